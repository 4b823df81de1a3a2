#pragma once

#include "Messages.h"

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

// Builds Windows-1252 bytes from a UTF-8 literal, so tests can write "Rumänisch".
QByteArray cp(const char* utf8);

// Readable failure output for Qt's strings.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QByteArray& b, std::ostream* os) { *os << '"' << b.toStdString() << '"'; }
