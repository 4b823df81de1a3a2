#include "TestSupport.h"

#include "store/Cp1252.h"
#include "common/Look.h"

#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
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

QString writeGatedFilter(const QString& scriptPath, const QString& program, const QString& gate, const QString& after) {
    QFile f(scriptPath);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(QStringLiteral("#!/bin/sh\n"
                           "while [ ! -e \"%1\" ]; do sleep 0.01; done\n"
                           "\"%2\" \"$@\" || exit $?\n%3\n")
                .arg(gate, program, after)
                .toUtf8());
    f.close();
    QFile::setPermissions(scriptPath, QFile::permissions(scriptPath) | QFileDevice::ExeOwner);
    return scriptPath;
}

void expectDesign(const QWidget* window, const QList<DesignedControl>& controls, bool visible) {
    for (const DesignedControl& c : controls) {
        SCOPED_TRACE(c.name);
        const auto* w = window->findChild<QWidget*>(QString::fromLatin1(c.name));
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->geometry(), look::twipsRect(c.left, c.top, c.width, c.height));
        if (visible) {
            EXPECT_TRUE(w->isVisible());
        }
        if (!c.text) continue;
        const QString text = QString::fromUtf8(c.text);
        if (auto* e = qobject_cast<const QLineEdit*>(w))
            EXPECT_EQ(e->text(), text);
        else if (auto* b = qobject_cast<const QAbstractButton*>(w))
            EXPECT_EQ(b->text(), text);
        else if (auto* l = qobject_cast<const QLabel*>(w))
            EXPECT_EQ(l->text(), text);
        else
            ADD_FAILURE() << "a text to compare, but no text box, button or caption";
    }
}
