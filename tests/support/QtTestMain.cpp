#include "support/QtTestMain.h"

#include <QApplication>
#include <QTest>

#include <cstdio>
#include <string>
#include <vector>

static std::vector<QtTests::Factory>& Factories()
{
    static std::vector<QtTests::Factory> factories;
    return factories;
}

bool QtTests::Register(Factory factory)
{
    Factories().push_back(std::move(factory));
    return true;
}

// With a class name as the first argument (as each CTest entry passes it),
// only that class runs; a name no class has fails, so that a renamed class
// cannot pass unnoticed. The other arguments go to Qt Test.
int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const std::string only = argc > 1 && argv[1][0] != '-' ? argv[1] : "";
    if (!only.empty()) {
        argv[1] = argv[0];
        --argc;
        ++argv;
    }
    int failures = 0, ran = 0;
    for (const QtTests::Factory& factory : Factories()) {
        const std::unique_ptr<QObject> test = factory();
        if (!only.empty() && only != test->metaObject()->className())
            continue;
        ++ran;
        failures += QTest::qExec(test.get(), argc, argv);
    }
    if (ran == 0)
        std::fprintf(stderr, "No Qt test class named %s\n", only.c_str());
    return ran > 0 && failures == 0 ? 0 : 1;
}
