#include "app/message_text.h"

#include <QDateTime>
#include <QLocale>
#include <QStringList>

#include "app/locale_text.h"
#include "app/window_texts.h"

namespace zentavo {

QString Render(const Value& value) {
    switch (value.kind) {
        case Value::Kind::Bytes:
            return CurrentLocaleCodec().Decode(value.bytes);
        case Value::Kind::Count:
            return Texts::Number(size_t(value.number));
        case Value::Kind::Integer:
            return QString::number(value.number);
        case Value::Kind::Time:
            return QDateTime::fromMSecsSinceEpoch(value.number / 1'000'000)
                .toString(QLocale().dateTimeFormat(QLocale::ShortFormat));
        case Value::Kind::Words:
            return Render(*value.words);
        case Value::Kind::SystemError:
            return Texts::SystemReason(int(value.number));
        case Value::Kind::Chain: {
            QStringList names;
            for (const std::string& name : value.names) names << CurrentLocaleCodec().Decode(name);
            if (value.number != 0) names << QStringLiteral("\u2026");
            return names.join(QStringLiteral(" \u2192 "));
        }
    }
    return {};
}

QString Render(const Message& message) {
    const QString text = Texts::Tr(message.id, message.count);
    // In one pass, as a value may itself hold "%1".
    QString filled;
    filled.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        qsizetype digit = i + 1;
        if (text[i] == '%' && digit < text.size() && text[digit] == 'L') ++digit;
        if (text[i] == '%' && digit < text.size() && text[digit] >= '1' && text[digit] <= '9') {
            const size_t place = size_t(text[digit].unicode() - '1');
            if (place < message.values.size()) {
                filled += Render(message.values[place]);
                i = digit;
                continue;
            }
        }
        filled += text[i];
    }
    return filled;
}

QString Render(const std::vector<Paragraph>& paragraphs) {
    QStringList blocks;
    for (const Paragraph& paragraph : paragraphs) {
        QStringList lines;
        for (const Value& line : paragraph) lines << Render(line);
        blocks << lines.join('\n');
    }
    return blocks.join(QStringLiteral("\n\n"));
}

}  // namespace zentavo
