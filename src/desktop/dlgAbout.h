#pragma once
// The about box: the product, its version and its maker. At start-up the
// same box is the splash window, shown without a button until the main
// window is first activated.

#include <QDialog>

class dlgAbout : public QDialog {
    Q_OBJECT

public:
    enum class Role { About, Splash };
    explicit dlgAbout(QWidget* parent = nullptr, Role role = Role::About);
};
