#include <gtest/gtest.h>

#include <QApplication>

namespace {

// Widgets need one QApplication for the whole program; gtest_main owns main().
class QtEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        m_app = new QApplication(m_argc, m_argv);
    }
    void TearDown() override { delete m_app; }

  private:
    int m_argc = 1;
    char m_name[14] = "caption_tests";
    char* m_argv[2] = {m_name, nullptr};
    QApplication* m_app = nullptr;
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace
