#include "TestSupport.h"

#include "Cp1252.h"

#include <QFile>
#include <QWidget>
#include <QApplication>

#include <csignal>
#include <sys/resource.h>

void WorkDirTest::SetUp() {
    ASSERT_TRUE(dir_.isValid());
    previous_ = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir_.path()));
    messages::setRecorder(&messages_);
}

void WorkDirTest::TearDown() {
    for (QWidget* w : QApplication::topLevelWidgets()) w->close();
    QApplication::processEvents();
    messages::setRecorder(nullptr);
    QDir::setCurrent(previous_);
}

void WorkDirTest::writeFile(const QString& name, const QByteArray& bytes) const {
    QFile f(path(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QByteArray WorkDirTest::readFile(const QString& name) const {
    QFile f(path(name));
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

bool WorkDirTest::exists(const QString& name) const { return QFile::exists(path(name)); }

QByteArray cp(const char* utf8) { return cp1252::encode(QString::fromUtf8(utf8)); }

FileSizeLimit::FileSizeLimit(long long bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit r{};
    getrlimit(RLIMIT_FSIZE, &r);
    before_ = static_cast<long long>(r.rlim_cur);
    r.rlim_cur = static_cast<rlim_t>(bytes);
    set_ = setrlimit(RLIMIT_FSIZE, &r) == 0;
    EXPECT_TRUE(set_) << "the file-size limit could not be set";
}

FileSizeLimit::~FileSizeLimit() {
    if (!set_) return;
    rlimit r{};
    getrlimit(RLIMIT_FSIZE, &r);
    r.rlim_cur = static_cast<rlim_t>(before_);
    setrlimit(RLIMIT_FSIZE, &r);
}
