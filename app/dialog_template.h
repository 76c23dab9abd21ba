// Dialog templates: a dialog's caption, size, style and controls, kept as
// data in res/dialogs/ and measured in dialog units.
#pragma once

#include <optional>
#include <vector>

#include <QByteArray>
#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

namespace zentavo {

struct ControlTemplate {
    QString kind;  // "label", "icon", "combo", "check", "button" or "list"
    int id = -1;   // -1 for a control that nothing talks to
    QString text;
    int image = 0;  // the icon resource of an "icon"
    QRect rect;     // dialog units
    QStringList style;
    QStringList items;  // the initial entries of a "combo"

    bool Has(const char* style_note) const { return style.contains(QLatin1String(style_note)); }
};

struct DialogTemplate {
    int id = 0;
    QString caption;
    QSize size;  // of the client area, in dialog units
    QStringList style;
    std::vector<ControlTemplate> controls;

    bool Has(const char* style_note) const { return style.contains(QLatin1String(style_note)); }
};

// nullopt when json is not a template.
std::optional<DialogTemplate> ParseDialogTemplate(const QByteArray& json);

// The built-in template with this id, or nullopt.
std::optional<DialogTemplate> LoadDialogTemplate(int id);

// Dialog units of a font: a horizontal unit is a quarter of the font's
// average character width, a vertical unit an eighth of its height.
class DialogUnits {
public:
    DialogUnits(int base_x, int base_y) : base_x_(base_x), base_y_(base_y) {}
    // The average width is that of the 52 ASCII letters, rounded as
    // (width + 26) / 52.
    static DialogUnits ForFont(const QFont& font);

    int base_x() const { return base_x_; }
    int base_y() const { return base_y_; }

    // Rounded to the nearest pixel, halves away from zero.
    int ToPixelsX(int units) const;
    int ToPixelsY(int units) const;
    QRect ToPixels(const QRect& units) const;
    QSize ToPixels(const QSize& units) const;

private:
    int base_x_;
    int base_y_;
};

}  // namespace zentavo
