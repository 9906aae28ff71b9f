#pragma once
// The pieces the welcome and new-version dialogs are built from.

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include <initializer_list>

namespace QtWelcomeParts {

inline QLabel* Paragraph(const QString& text, const char* name)
{
    auto* label = new QLabel(text);
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

inline QLabel* Heading(const QString& text)
{
    QLabel* label = Paragraph(text, "lblWelcome");
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 1.4);
    font.setBold(true);
    label->setFont(font);
    return label;
}

inline QPushButton* Button(const char* text, const char* name)
{
    auto* button = new QPushButton(text);
    button->setObjectName(name);
    return button;
}

inline QCheckBox* DontShowAgain()
{
    auto* tick = new QCheckBox("&Don't show this window again.");
    tick->setObjectName("chkDontShow");
    return tick;
}

// The tick box on the left, the buttons on the right.
inline QHBoxLayout* BottomRow(QCheckBox* tick, std::initializer_list<QPushButton*> buttons)
{
    auto* row = new QHBoxLayout;
    row->addWidget(tick);
    row->addStretch();
    for (QPushButton* button : buttons)
        row->addWidget(button);
    return row;
}

}  // namespace QtWelcomeParts
