#include "desktop/dlgAbout.h"

#include "forms/AboutBox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* Line(const QString& text, const char* name, double scale = 1.0, bool bold = false)
{
    auto* label = new QLabel(text);
    label->setObjectName(name);
    label->setWordWrap(true);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * scale);
    font.setBold(bold);
    label->setFont(font);
    return label;
}

}  // namespace

dlgAbout::dlgAbout(QWidget* parent, Role role) : QDialog(parent)
{
    setObjectName("dlgAbout");
    setWindowTitle("About Ferrolux");

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 24, 28, 20);
    layout->setSpacing(8);
    const AboutTexts about = AboutBox();
    layout->addWidget(Line(QString::fromStdString(about.Title), "lblTitle", 1.6, true));
    layout->addWidget(Line(QString::fromStdString(about.Version), "lblVersion", 1.0, false));
    layout->addSpacing(8);
    layout->addWidget(Line(QString::fromStdString(about.Description), "lblDescription"));
    layout->addSpacing(8);
    layout->addWidget(Line(QString::fromStdString(about.Copyright), "lblCopyright", 0.9));

    if (role == Role::Splash) {
        setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
        setStyleSheet("dlgAbout { border: 1px solid palette(mid); }");
    } else {
        auto* btnOK = new QPushButton("OK");
        btnOK->setObjectName("btnOK");
        btnOK->setDefault(true);
        connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
        auto* buttons = new QHBoxLayout;
        buttons->addStretch();
        buttons->addWidget(btnOK);
        layout->addSpacing(8);
        layout->addLayout(buttons);
    }
    setFixedWidth(420);
}
