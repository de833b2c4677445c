#include "help/HelpWindow.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

TForm2::TForm2(QWidget* parent) : QWidget(parent, Qt::Tool) {
    setObjectName("Form2");
    setWindowTitle(QStringLiteral("Bedienungshinweise"));
    resize(560, 620);

    m_text = new QPlainTextEdit(this);
    m_text->setObjectName("Memo_Hilfe");
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_text->setPlainText(UsageText());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_text);
}
