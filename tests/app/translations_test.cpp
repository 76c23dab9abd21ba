// The translations: every window text translated in every shipped language,
// with its placeholders and mnemonic kept, and the right file picked for a
// locale, Qt's own texts included.
#include <QtTest>

#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include "app/message_text.h"
#include "app/translations.h"
#include "app/window_texts.h"

using namespace zentavo;

namespace {

// Where the test's fixture left copies of the translation files, brought up
// to date with the sources as update_translations would.
const QString kRefreshed = QStringLiteral(ZENTAVO_REFRESHED_TRANSLATIONS);

const QString kHowToFix = QStringLiteral(
    "To fix: run 'cmake --build BUILD --target update_translations', then translate the "
    "entries marked type=\"unfinished\" in res/translations/%1 (with Qt Linguist, or in an "
    "editor: fill in <translation>, or each <numerusform> for a counting text, and remove "
    "type=\"unfinished\"). docs/architecture.md, 'Adding a text', tells more.");

const QString kCliHowToFix = QStringLiteral(
    "To fix: run 'cmake --build BUILD --target update_translations', then fill in the empty "
    "msgstr (each msgstr[N] of a plural text) of every entry above in res/translations/%1, "
    "and delete the line '#, fuzzy' where there is one (with any .po editor, or by hand). "
    "docs/architecture.md, 'Adding a text', tells more.");

struct FileText {
    QString source;
    bool counting = false;  // one translation per plural form
    QStringList translations;
    bool finished = false;
};

QList<FileText> ReadMessages(const QString& ts_file) {
    QFile file(ts_file);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QXmlStreamReader xml(&file);
    QList<FileText> messages;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const QStringView name = xml.name();
        if (name == QLatin1String("message")) {
            messages.append(FileText());
            messages.back().counting =
                xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (name == QLatin1String("source")) {
            messages.back().source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            FileText& message = messages.back();
            message.finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            if (!message.counting) message.translations.append(xml.readElementText());
        } else if (name == QLatin1String("numerusform")) {
            messages.back().translations.append(xml.readElementText());
        }
    }
    return messages;
}

// A gettext catalogue's entries, as Messages: a plural entry's forms are
// its translations, an entry marked fuzzy is unfinished.
QList<FileText> ReadCatalogue(const QString& po_file) {
    QFile file(po_file);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
    QList<FileText> messages;
    QString* field = nullptr;
    bool fuzzy = false;
    const auto quoted = [](const QString& line) {
        const QString text = line.mid(line.indexOf(u'"') + 1).chopped(1);
        QString unescaped;
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i] != u'\\' || i + 1 == text.size()) {
                unescaped += text[i];
                continue;
            }
            const QChar escaped = text[++i];
            unescaped += escaped == u'n' ? QChar(u'\n') : escaped == u't' ? QChar(u'\t') : escaped;
        }
        return unescaped;
    };
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1String("#,"))) {
            fuzzy = line.contains(QLatin1String("fuzzy"));
        } else if (line.startsWith(QLatin1String("msgid_plural "))) {
            messages.back().counting = true;
            field = nullptr;
        } else if (line.startsWith(QLatin1String("msgid "))) {
            messages.append(FileText());
            messages.back().finished = !fuzzy;
            fuzzy = false;
            field = &messages.back().source;
            *field = quoted(line);
        } else if (line.startsWith(QLatin1String("msgstr"))) {
            messages.back().translations.append(quoted(line));
            field = &messages.back().translations.back();
        } else if (line.startsWith(u'"') && field) {
            *field += quoted(line);
        }
    }
    // The first entry is the catalogue's header.
    if (!messages.isEmpty()) messages.removeFirst();
    return messages;
}

// The %1, %L2, %n and %Ln of a text.
QStringList Placeholders(const QString& text) {
    static const QRegularExpression placeholder(QStringLiteral("%L?([1-9]|n)"));
    QStringList found;
    for (const QRegularExpressionMatch& m : placeholder.globalMatch(text)) found << m.captured();
    found.sort();
    found.removeDuplicates();
    return found;
}

// How many mnemonic markers a text has: an "&" not doubled.
int Mnemonics(const QString& text) {
    QString single = text;
    single.remove(QStringLiteral("&&"));
    return int(single.count(u'&'));
}

// What is wrong with one translated text, or nothing.
QString Fault(const FileText& message, const QString& translation) {
    if (!message.finished || translation.isEmpty()) return QStringLiteral("has no translation");
    QStringList wanted = Placeholders(message.source);
    QStringList given = Placeholders(translation);
    // A plural form may leave the count out ("the first failure").
    if (message.counting) {
        wanted.removeAll(QStringLiteral("%Ln"));
        wanted.removeAll(QStringLiteral("%n"));
        given.removeAll(QStringLiteral("%Ln"));
        given.removeAll(QStringLiteral("%n"));
    }
    if (wanted != given) {
        return QStringLiteral("is translated as \"%1\", whose placeholders %2 differ from %3")
            .arg(translation, given.join(u' '), wanted.join(u' '));
    }
    if (Mnemonics(message.source) != Mnemonics(translation)) {
        return QStringLiteral("is translated as \"%1\", which needs exactly %2 mnemonic \"&\"")
            .arg(translation)
            .arg(Mnemonics(message.source));
    }
    return {};
}

}  // namespace

class TranslationsTest : public QObject {
    Q_OBJECT
private slots:
    void window_texts_complete_data();
    void window_texts_complete();
    void cli_texts_complete_data();
    void cli_texts_complete();
    void desktop_files_translated_data();
    void desktop_files_translated();
    void help_file_follows_locale_data();
    void help_file_follows_locale();
    void mnemonics_differ_data();
    void mnemonics_differ();
    void locale_picks_texts_data();
    void locale_picks_texts();
    void qt_texts_follow_data();
    void qt_texts_follow();
};

void TranslationsTest::window_texts_complete_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("counting_only");
    for (const char* language : {"de", "fr", "es", "pt_BR", "ja", "zh_CN"}) {
        QTest::newRow(language) << QStringLiteral("zentavo_%1.ts").arg(language) << false;
    }
    QTest::newRow("en, plural forms") << QStringLiteral("zentavo_en.ts") << true;
}

void TranslationsTest::window_texts_complete() {
    QFETCH(QString, file);
    QFETCH(bool, counting_only);
    const QList<FileText> messages = ReadMessages(kRefreshed + u'/' + file);
    QVERIFY2(!messages.isEmpty(), qPrintable(file + " holds no texts"));
    QStringList faults;
    for (const FileText& message : messages) {
        if (counting_only && !message.counting) continue;
        const QStringList translations =
            message.translations.isEmpty() ? QStringList(QString()) : message.translations;
        for (const QString& translation : translations) {
            const QString fault = Fault(message, translation);
            if (fault.isEmpty()) continue;
            faults << QStringLiteral("  \"%1\" %2").arg(message.source, fault);
            break;
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("%1: %2 window text(s) not ready:\n%3\n%4")
                                              .arg(file)
                                              .arg(faults.size())
                                              .arg(faults.join(u'\n'), kHowToFix.arg(file))));
}

void TranslationsTest::cli_texts_complete_data() {
    QTest::addColumn<QString>("file");
    for (const char* language : {"de", "fr", "es", "pt_BR", "ja", "zh_CN"})
        QTest::newRow(language) << QStringLiteral("zentavo-cli_%1.po").arg(language);
}

void TranslationsTest::cli_texts_complete() {
    QFETCH(QString, file);
    const QList<FileText> messages = ReadCatalogue(kRefreshed + u'/' + file);
    QVERIFY2(!messages.isEmpty(), qPrintable(file + " holds no texts"));
    QStringList faults;
    for (const FileText& message : messages) {
        for (const QString& translation : message.translations) {
            const QString fault = Fault(message, translation);
            if (fault.isEmpty()) continue;
            faults << QStringLiteral("  \"%1\" %2").arg(message.source, fault);
            break;
        }
    }
    QVERIFY2(faults.isEmpty(),
             qPrintable(QStringLiteral("%1: %2 zentavo-cli text(s) not ready:\n%3\n%4")
                            .arg(file)
                            .arg(faults.size())
                            .arg(faults.join(u'\n'), kCliHowToFix.arg(file))));
}

void TranslationsTest::desktop_files_translated_data() {
    QTest::addColumn<QString>("language");
    for (const char* language : {"de", "fr", "es", "pt_BR", "ja", "zh_CN"})
        QTest::newRow(language) << language;
}

// What the desktop shows beside the window: the menu entry, the file
// managers' action, the software centre's text and the manual pages.
void TranslationsTest::desktop_files_translated() {
    QFETCH(QString, language);
    const QString res = QStringLiteral(ZENTAVO_RES_DIR);
    const auto read = [&](const QString& name) {
        QFile file(res + u'/' + name);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    };
    QStringList missing;
    const QString entry = read(QStringLiteral("zentavo.desktop"));
    for (const char* key : {"GenericName", "Comment", "Keywords"}) {
        if (!entry.contains(QStringLiteral("\n%1[%2]=").arg(key, language)))
            missing << QStringLiteral("%1[%2]= in res/zentavo.desktop").arg(key, language);
    }
    if (!read(QStringLiteral("servicemenus/zentavo-rename.desktop"))
             .contains(QStringLiteral("\nName[%1]=").arg(language)))
        missing
            << QStringLiteral("Name[%1]= in res/servicemenus/zentavo-rename.desktop").arg(language);
    // Release notes stay English, as software centres show them.
    const QString metainfo = read(QStringLiteral("org.zentavo.Zentavo.metainfo.xml"))
                                 .section(QStringLiteral("<releases>"), 0, 0);
    const QString lang_attribute = QStringLiteral("xml:lang=\"%1\"").arg(language);
    if (!metainfo.contains(QStringLiteral("<summary %1>").arg(lang_attribute)))
        missing << QStringLiteral("<summary %1> in the metainfo").arg(lang_attribute);
    const qsizetype paragraphs = metainfo.count(QStringLiteral("<p>"));
    if (metainfo.count(QStringLiteral("<p %1>").arg(lang_attribute)) != paragraphs) {
        missing << QStringLiteral("one <p %1> after each of the %2 paragraphs of the metainfo")
                       .arg(lang_attribute)
                       .arg(paragraphs);
    }
    const QString help = read(QStringLiteral("zentavo_%1.HLP").arg(language));
    for (const char* topic : {"context-131174", "context-131172"}) {
        if (!help.contains(QStringLiteral("name=\"%1\"").arg(topic)))
            missing << QStringLiteral("the topic %1 in res/zentavo_%2.HLP").arg(topic, language);
    }
    for (const char* page : {"zentavo.1", "zentavo-cli.1"}) {
        const QString translated = read(QStringLiteral("man/%1/%2").arg(language, page));
        if (!translated.contains(QStringLiteral(".SH ")))
            missing << QStringLiteral("res/man/%1/%2").arg(language, page);
    }
    QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("%1 lacks translations: %2")
                                               .arg(language, missing.join(QStringLiteral("; ")))));
}

void TranslationsTest::help_file_follows_locale_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("shown");
    QTest::newRow("German") << "de_DE"
                            << "zentavo_de.HLP";
    QTest::newRow("German of Austria") << "de_AT"
                                       << "zentavo_de.HLP";
    QTest::newRow("Brazilian Portuguese") << "pt_BR"
                                          << "zentavo_pt_BR.HLP";
    QTest::newRow("Portuguese without a file") << "pt_PT"
                                               << "zentavo.HLP";
    QTest::newRow("Chinese") << "zh_CN"
                             << "zentavo_zh_CN.HLP";
    QTest::newRow("a language not shipped") << "sv_SE"
                                            << "zentavo.HLP";
    QTest::newRow("C") << "C"
                       << "zentavo.HLP";
}

void TranslationsTest::help_file_follows_locale() {
    QFETCH(QString, locale);
    QFETCH(QString, shown);
    QTemporaryDir folder;
    for (const char* name :
         {"zentavo.HLP", "zentavo_de.HLP", "zentavo_pt_BR.HLP", "zentavo_zh_CN.HLP"}) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    const std::string english = folder.filePath("zentavo.HLP").toStdString();
    QCOMPARE(QString::fromStdString(HelpFileFor(english, QLocale(locale))), folder.filePath(shown));
}

void TranslationsTest::mnemonics_differ_data() {
    QTest::addColumn<QString>("locale");
    for (const char* locale : {"en_US", "de_DE", "fr_FR", "es_ES", "pt_BR", "ja_JP", "zh_CN"})
        QTest::newRow(locale) << locale;
}

// Alt and a letter, or the letter in an open menu, reaches one control only.
void TranslationsTest::mnemonics_differ() {
    QFETCH(QString, locale);
    const Translations translations{QLocale(locale)};
    const QList<QStringList> groups = {
        {Texts::PatternLabel(), Texts::RecurseCheck(), Texts::SetFilenamesButton(),
         Texts::RenameButton(), Texts::HelpButton(), Texts::ExitButton()},
        // The history's entries with a run to act on, and without.
        {Render(Message(TextId::UndoEntry, {}, 2)), Render(Message(TextId::RedoEntry, {}, 2)),
         Texts::AddFilesEntry(), Texts::AddFolderEntry(), Texts::MinimizeEntry(),
         Texts::CloseEntry(), Texts::AboutEntry(), Texts::HelpEntry()},
        {Texts::UndoNothing(), Texts::RedoNothing(), Texts::AddFilesEntry(),
         Texts::AddFolderEntry(), Texts::MinimizeEntry(), Texts::CloseEntry(), Texts::AboutEntry(),
         Texts::HelpEntry()},
    };
    for (const QStringList& texts : groups) {
        QMap<QChar, QString> taken;
        for (const QString& text : texts) {
            QString single = text;
            single.remove(QStringLiteral("&&"));
            const qsizetype at = single.indexOf(u'&');
            QVERIFY2(at >= 0 && at + 1 < single.size(), qPrintable(text + " has no mnemonic"));
            const QChar key = single[at + 1].toLower();
            QVERIFY2(!taken.contains(key), qPrintable(QStringLiteral("\"%1\" and \"%2\" share the "
                                                                     "mnemonic %3")
                                                          .arg(taken[key], text, key)));
            taken[key] = text;
        }
    }
}

using TextOf = QString (*)();
Q_DECLARE_METATYPE(TextOf)

void TranslationsTest::locale_picks_texts_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<TextOf>("text");
    QTest::addColumn<QString>("shown");
    const TextOf rename = [] { return Texts::RenameButton(); };
    const TextOf one = [] { return Render(Message(TextId::FinishedSummary, {}, 1)); };
    const TextOf none = [] { return Render(Message(TextId::FinishedSummary, {}, 0)); };
    const TextOf many = [] { return Render(Message(TextId::FinishedSummary, {}, 1234)); };
    // A value may hold what looks like a place; it is not filled in again.
    const TextOf placed = [] {
        return Render(Message(TextId::PathAndReason, {Value::Bytes("/tmp/100%1"),
                                                      Value::Words(Message(TextId::NotFound))}));
    };
    QTest::newRow("C: the source text") << "C" << rename << "Re&name!";
    QTest::newRow("C: English singular") << "C" << one << "1 file was renamed successfully.";
    QTest::newRow("C: a path holding a place") << "C" << placed << "/tmp/100%1: Not found";
    QTest::newRow("English plural of 0") << "en_US" << none << "0 files were renamed successfully.";
    QTest::newRow("English grouping")
        << "en_US" << many << "1,234 files were renamed successfully.";
    QTest::newRow("German") << "de_DE" << rename << "&Umbenennen!";
    QTest::newRow("German singular") << "de_AT" << one << "1 Datei wurde erfolgreich umbenannt.";
    QTest::newRow("German grouping")
        << "de_DE" << many << "1.234 Dateien wurden erfolgreich umbenannt.";
    QTest::newRow("French: 0 is singular") << "fr_FR" << none << "0 fichier a été renommé.";
    QTest::newRow("Brazilian Portuguese")
        << "pt_BR" << one << "1 arquivo foi renomeado com sucesso.";
    QTest::newRow("Japanese") << "ja_JP" << rename << "名前の変更(&N)";
    QTest::newRow("Japanese has one form")
        << "ja_JP" << many << "1,234 個のファイルの名前を変更しました。";
    QTest::newRow("Simplified Chinese") << "zh_CN" << many << "已成功重命名 1,234 个文件。";
    QTest::newRow("a language not shipped") << "sv_SE" << one << "1 file was renamed successfully.";
}

void TranslationsTest::locale_picks_texts() {
    QFETCH(QString, locale);
    QFETCH(TextOf, text);
    QFETCH(QString, shown);
    // Numbers are grouped by the default locale, as in the program.
    QLocale::setDefault(QLocale(locale));
    const Translations translations{QLocale(locale)};
    QCOMPARE(text(), shown);
}

void TranslationsTest::qt_texts_follow_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("yes");
    QTest::newRow("English") << "en_GB"
                             << "&Yes";
    QTest::newRow("German") << "de_DE"
                            << "&Ja";
    QTest::newRow("Japanese") << "ja_JP"
                              << "はい(&Y)";
}

void TranslationsTest::qt_texts_follow() {
    QFETCH(QString, locale);
    QFETCH(QString, yes);
    const Translations translations{QLocale(locale)};
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(box.button(QMessageBox::Yes)->text(), yes);
}

QTEST_MAIN(TranslationsTest)
#include "translations_test.moc"
