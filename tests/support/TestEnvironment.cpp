// Linked into every test program as an object file, so this runs before any test, whether CTest
// started the program or a developer runs it by hand: the program works on settings and temporary
// files of its own and never reads or rewrites the login's settings file of the computer or the
// user. What the caller set (CTest names a folder per test) is left as it is.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

namespace {

class TestEnvironment {
public:
    TestEnvironment()
    {
        const bool ownSettings = qEnvironmentVariableIsEmpty("CVI_SETTINGS_FILE");
        const bool ownTemporaryFolder = qEnvironmentVariableIsEmpty("TMPDIR");
        if (ownSettings || ownTemporaryFolder) {
            m_folder = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/cvi-test-XXXXXX"));
            if (!m_folder->isValid())
                qFatal("cannot create a temporary folder for the test: %s", qPrintable(m_folder->errorString()));
            if (ownSettings)
                qputenv("CVI_SETTINGS_FILE", QFile::encodeName(m_folder->filePath(QStringLiteral("settings.ini"))));
            if (ownTemporaryFolder)
                qputenv("TMPDIR", QFile::encodeName(m_folder->path()));
        }
        // Window tests run headless everywhere, as under CTest.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
    }

private:
    std::unique_ptr<QTemporaryDir> m_folder;  // removed with everything in it when the program ends
};

const TestEnvironment environment;

}
