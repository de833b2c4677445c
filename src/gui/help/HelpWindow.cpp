#include "gui/help/HelpWindow.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Tool) {
    setObjectName("Form2");
    setWindowTitle(QStringLiteral("Bedienungshinweise"));
    resize(560, 620);

    text_ = new QPlainTextEdit(this);
    text_->setObjectName("Memo_Hilfe");
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text_->setPlainText(usageText());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(text_);
}
