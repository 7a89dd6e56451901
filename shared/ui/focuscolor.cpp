#include "focuscolor.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

void PaintBox(QWidget* box, bool focused)
{
    const QPalette window = QApplication::palette(box);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, focused ? FocusColor() : window.color(QPalette::Base));
    // A pick-from-list combo paints its face with the button colour.
    if (qobject_cast<QComboBox*>(box))
        palette.setColor(QPalette::Button, focused ? FocusColor() : window.color(QPalette::Button));
    box->setPalette(palette);
}

} // namespace

QColor FocusColor()
{
    return QColor(0xA6, 0xCA, 0xF0);
}

FocusColorFilter::FocusColorFilter(QObject* parent) : QObject(parent) {}

bool FocusColorFilter::isDataBox(const QObject* object)
{
    return qobject_cast<const QLineEdit*>(object) || qobject_cast<const QTextEdit*>(object) ||
           qobject_cast<const QPlainTextEdit*>(object) || qobject_cast<const QComboBox*>(object) ||
           qobject_cast<const QAbstractSpinBox*>(object);
}

bool FocusColorFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
        PaintBox(static_cast<QWidget*>(watched), event->type() == QEvent::FocusIn);
    return QObject::eventFilter(watched, event);
}

void InstallFocusColor(QWidget* dialog)
{
    auto* filter = new FocusColorFilter(dialog);
    for (QWidget* child : dialog->findChildren<QWidget*>()) {
        // The line edit inside a combo or spin box hands its focus to the box.
        if (FocusColorFilter::isDataBox(child) && !FocusColorFilter::isDataBox(child->parent()))
            child->installEventFilter(filter);
    }
}
