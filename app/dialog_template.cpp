#include "app/dialog_template.h"

#include <QFile>
#include <QFontMetrics>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "app/resources.h"

namespace zentavo {

namespace {

QStringList Strings(const QJsonValue& value) {
    QStringList list;
    for (const QJsonValue& item : value.toArray()) list << item.toString();
    return list;
}

std::optional<QRect> Rect(const QJsonValue& value) {
    const QJsonArray a = value.toArray();
    if (a.size() != 4) return std::nullopt;
    return QRect(a[0].toInt(), a[1].toInt(), a[2].toInt(), a[3].toInt());
}

int MulDiv(int number, int numerator, int denominator) {
    const long long product = static_cast<long long>(number) * numerator;
    const long long half = denominator / 2;
    return int(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}

}  // namespace

std::optional<DialogTemplate> ParseDialogTemplate(const QByteArray& json) {
    const QJsonDocument document = QJsonDocument::fromJson(json);
    if (!document.isObject()) return std::nullopt;
    const QJsonObject root = document.object();
    const QJsonArray size = root["size"].toArray();
    if (!root["id"].isDouble() || size.size() != 2) return std::nullopt;

    DialogTemplate dialog;
    dialog.id = root["id"].toInt();
    dialog.caption = root["caption"].toString();
    dialog.size = QSize(size[0].toInt(), size[1].toInt());
    dialog.style = Strings(root["style"]);
    for (const QJsonValue& value : root["controls"].toArray()) {
        const QJsonObject object = value.toObject();
        const std::optional<QRect> rect = Rect(object["rect"]);
        if (!rect) return std::nullopt;
        ControlTemplate control;
        control.kind = object["kind"].toString();
        control.id = object["id"].toInt(-1);
        control.text = object["text"].toString();
        control.image = object["image"].toInt();
        control.rect = *rect;
        control.style = Strings(object["style"]);
        control.items = Strings(object["items"]);
        dialog.controls.push_back(std::move(control));
    }
    return dialog;
}

std::optional<DialogTemplate> LoadDialogTemplate(int id) {
    LoadResources();
    QFile file(QStringLiteral(":/dialogs/%1.json").arg(id));
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return ParseDialogTemplate(file.readAll());
}

DialogUnits DialogUnits::ForFont(const QFont& font) {
    const QFontMetrics metrics(font);
    const int letters_width = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return DialogUnits((letters_width + 26) / 52, metrics.height());
}

int DialogUnits::ToPixelsX(int units) const {
    return MulDiv(units, base_x_, 4);
}
int DialogUnits::ToPixelsY(int units) const {
    return MulDiv(units, base_y_, 8);
}

QRect DialogUnits::ToPixels(const QRect& units) const {
    return QRect(ToPixelsX(units.x()), ToPixelsY(units.y()), ToPixelsX(units.width()),
                 ToPixelsY(units.height()));
}

QSize DialogUnits::ToPixels(const QSize& units) const {
    return QSize(ToPixelsX(units.width()), ToPixelsY(units.height()));
}

}  // namespace zentavo
