#include "support/QtTestMain.h"

#include <QApplication>
#include <QTest>

#include <vector>

namespace QtTests {

namespace {
std::vector<Factory>& Factories()
{
    static std::vector<Factory> factories;
    return factories;
}
}  // namespace

bool Register(Factory factory)
{
    Factories().push_back(std::move(factory));
    return true;
}

}  // namespace QtTests

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    int failures = 0;
    for (const QtTests::Factory& factory : QtTests::Factories()) {
        const std::unique_ptr<QObject> test = factory();
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
