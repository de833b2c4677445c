#pragma once
// The help window: a tool window with the fixed German usage text.
#include <QWidget>

class QPlainTextEdit;

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // The usage text shown in the window (also used by tests).
    static QString usageText();

private:
    QPlainTextEdit* text_ = nullptr;
};
