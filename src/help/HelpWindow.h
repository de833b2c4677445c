#pragma once
// The help window: a tool window with the fixed German usage text.
#include <QWidget>

class QPlainTextEdit;

class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);

    // The usage text shown in the window (also used by tests).
    static QString UsageText();

private:
    QPlainTextEdit* m_text = nullptr;
};
