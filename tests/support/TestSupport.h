#pragma once

#include "common/Messages.h"

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>

// A fresh temporary folder as the working directory for the test's lifetime,
// and the message boxes recorded instead of shown.
class WorkDirTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    QString path(const QString& name) const { return dir_.filePath(name); }
    void writeFile(const QString& name, const QByteArray& bytes) const;
    QByteArray readFile(const QString& name) const;
    bool exists(const QString& name) const;

    QList<messages::Call> messages_;

private:
    QTemporaryDir dir_;
    QString previous_;
};

// While it lives, no file of this process can grow beyond `bytes`: a write
// past the limit fails (as on a full disk) instead of killing the process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(long long bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    long long before_ = 0;
    bool set_ = false;
};

// One control of a window design: its name, its caption or text (nullptr:
// not compared) and its place in twips.
struct DesignedControl {
    const char* name;
    const char* text;
    int left, top, width, height;
};
// Checks each control of `window` against the design: found by name, placed
// and sized as designed, showing its text (a text box, a caption box or a
// button), and visible when `visible` says so.
void expectDesign(const QWidget* window, const QList<DesignedControl>& controls, bool visible = false);

// Writes an executable shell script at `scriptPath` that stands in for a
// filter: it waits until a file named `gate` appears in its working folder
// (the test opens the gate when it has seen what it wanted to see while the
// filter ran), then hands over to `program` with its arguments and runs the
// shell lines `after`. Returns the script's path.
QString writeGatedFilter(const QString& scriptPath, const QString& program, const QString& gate,
                         const QString& after = {});

// Builds Windows-1252 bytes from a UTF-8 literal, so tests can write "Rumänisch".
QByteArray cp(const char* utf8);

// Readable failure output for Qt's strings.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QByteArray& b, std::ostream* os) { *os << '"' << b.toStdString() << '"'; }
