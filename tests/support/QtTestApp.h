#pragma once
// One QApplication for a GoogleTest program that tests widgets. Including this
// header registers a global test environment that creates the application before
// the first test and deletes it after the last, headless (offscreen) unless the
// environment already chose a platform. Header-only, so test programs that do not
// use Qt never link it.

#include <QApplication>
#include <gtest/gtest.h>

#include <memory>

namespace testqt {

class QtAppEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "korbanix-test";
        static char* argv[] = {name, nullptr};
        m_app = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { m_app.reset(); }

private:
    std::unique_ptr<QApplication> m_app;
};

inline ::testing::Environment* const kQtAppEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtAppEnvironment);

}  // namespace testqt
