#pragma once

#include <QColor>
#include <QObject>

class QWidget;

// Light blue: the data box that has the focus in an editor.
QColor FocusColor();

// Paints a line edit, text edit, combo box or spin box light blue while it has
// the focus and in the window colour again when it loses it.
class FocusColorFilter : public QObject
{
    Q_OBJECT

public:
    explicit FocusColorFilter(QObject* parent = nullptr);

    // Whether the widget is a data box this filter colours.
    static bool isDataBox(const QObject* object);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Installs one filter on every data box of the dialog that exists now.
void InstallFocusColor(QWidget* dialog);
