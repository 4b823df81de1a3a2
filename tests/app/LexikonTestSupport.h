#pragma once

#include "Lexikon.h"
#include "TestSupport.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

// One lexicon record line as the program writes it.
inline QByteArray rec(const char* key, const char* term, const char* expl, const char* code,
                      const char* info, const char* source) {
    auto q = [](const char* s) { return s ? QByteArray("\"") + cp(s) + "\"" : QByteArray(); };
    return q(key) + "," + q(term) + "," + q(expl) + "," + q(code) + "," + q(info) + "," + q(source) + "\r\n";
}

// The main window in a temporary working directory.
class LexikonTest : public WorkDirTest {
protected:
    void SetUp() override {
        WorkDirTest::SetUp();
        w = std::make_unique<Lexikon>();
        w->show();
    }
    void TearDown() override {
        w.reset();
        WorkDirTest::TearDown();
    }
    void type(const QString& text) {
        w->Text3->clear();
        typeKeys(w->Text3, text);
    }
    // Types key by key; letters beyond ASCII (umlauts) arrive as the text of a key event.
    static void typeKeys(QWidget* target, const QString& text) {
        for (QChar c : text) {
            if (c.unicode() < 0x80)
                QTest::keyClick(target, c.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
    void search(const QString& text) {
        type(text);
        QTest::mouseClick(w->Suchen, Qt::LeftButton);
    }
    QStringList lines() const {
        QStringList out;
        for (int i = 0; i < w->List1->count(); ++i) out.append(w->List1->text(i));
        return out;
    }
    // The terms of the listed hits, without their padding.
    QStringList terms() const {
        QStringList out;
        for (const QString& l : lines()) out.append(l.left(30).trimmed());
        return out;
    }
    void select(int row) { w->List1->setCurrentRow(row); }

    std::unique_ptr<Lexikon> w;
};
