#include "app/control_factory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTreeView>

#include <algorithm>

#include "app/fit_validator.h"
#include "app/report_list.h"
#include "app/resources.h"

namespace zentavo {

namespace {

QWidget* CreateLabel(const ControlTemplate& control, QWidget* parent) {
    auto* label = new QLabel(control.text, parent);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QWidget* CreateIcon(const ControlTemplate& control, QWidget* parent) {
    auto* label = new QLabel(parent);
    const int size = label->style()->pixelMetric(QStyle::PM_LargeIconSize, nullptr, label);
    label->setPixmap(LoadIcon(control.image).pixmap(size, size));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QWidget* CreateCombo(const ControlTemplate& control, const DialogUnits& units, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setDuplicatesEnabled(true);
    combo->setCompleter(nullptr);
    QStringList items = control.items;
    if (control.Has("sort")) {
        std::stable_sort(items.begin(), items.end(), [](const QString& a, const QString& b) {
            return QString::compare(a, b, Qt::CaseInsensitive) < 0;
        });
    }
    combo->addItems(items);
    combo->setEditText(QString());
    if (!control.Has("autohscroll"))
        combo->lineEdit()->setValidator(new FitValidator(combo->lineEdit()));

    // The template's height is that of the field with its list dropped down.
    const QRect rect = units.ToPixels(control.rect);
    const int field_height = combo->sizeHint().height();
    const int item_height = std::max(1, combo->fontMetrics().height());
    combo->setMaxVisibleItems(std::max(1, (rect.height() - field_height) / item_height));
    combo->setGeometry(rect.x(), rect.y(), rect.width(), field_height);
    return combo;
}

QWidget* CreateButton(const ControlTemplate& control, QWidget* parent) {
    auto* button = new QPushButton(control.text, parent);
    button->setAutoDefault(false);
    button->setDefault(control.Has("default"));
    return button;
}

QWidget* CreateList(const ControlTemplate& control, QWidget* parent) {
    auto* view = new QTreeView(parent);
    ReportListStyle style;
    style.border = control.Has("border");
    style.sortable_header = !control.Has("nosortheader");
    style.single_selection = control.Has("singlesel");
    style.show_selection_always = control.Has("showselalways");
    MakeReportList(view, style);
    return view;
}

}  // namespace

QWidget* CreateControl(const ControlTemplate& control, const DialogUnits& units, QWidget* parent) {
    QWidget* widget = nullptr;
    if (control.kind == QLatin1String("label")) {
        widget = CreateLabel(control, parent);
    } else if (control.kind == QLatin1String("icon")) {
        widget = CreateIcon(control, parent);
    } else if (control.kind == QLatin1String("combo")) {
        widget = CreateCombo(control, units, parent);
    } else if (control.kind == QLatin1String("check")) {
        widget = new QCheckBox(control.text, parent);
    } else if (control.kind == QLatin1String("button")) {
        widget = CreateButton(control, parent);
    } else if (control.kind == QLatin1String("list")) {
        widget = CreateList(control, parent);
    }
    if (!widget) return nullptr;

    if (control.id >= 0) widget->setObjectName(QString::number(control.id));
    if (widget->focusPolicy() != Qt::NoFocus)
        widget->setFocusPolicy(control.Has("tabstop") ? Qt::StrongFocus : Qt::ClickFocus);
    // A combo box has placed itself: its field is as high as its font needs.
    if (!qobject_cast<QComboBox*>(widget)) widget->setGeometry(units.ToPixels(control.rect));
    return widget;
}

}  // namespace zentavo
