#include "support/QtTestMain.h"

#include <QApplication>
#include <QTest>

#include <cstdio>
#include <string>
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

// With a class name as the first argument (as each CTest entry passes it),
// only that class runs; a name no class has fails, so that a renamed class
// cannot pass unnoticed. The other arguments go to Qt Test.
int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    std::string only;
    if (argc > 1 && argv[1][0] != '-') {
        only = argv[1];
        argv[1] = argv[0];
        --argc;
        ++argv;
    }
    int failures = 0;
    bool ran = false;
    for (const QtTests::Factory& factory : QtTests::Factories()) {
        const std::unique_ptr<QObject> test = factory();
        if (!only.empty() && only != test->metaObject()->className())
            continue;
        ran = true;
        failures += QTest::qExec(test.get(), argc, argv);
    }
    if (!ran) {
        std::fprintf(stderr, "No Qt test class named %s\n", only.c_str());
        return 1;
    }
    return failures == 0 ? 0 : 1;
}
