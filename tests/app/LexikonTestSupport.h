#pragma once

#include "Lexikon.h"
#include "search/MoreInfo.h"
#include "common/Windows.h"
#include "TestSupport.h"

#include <QLineEdit>
#include <QListWidget>
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
    // Writes every term dictionary that does not exist yet as an empty file,
    // so that "Alle Lexika" reads them all without a message.
    void emptyOtherLexica() const {
        for (const char* name : {"2sp.lex", "2la.lex", "2pe.lex", "2kr.lex", "2da.lex", "2vo.lex"})
            if (!exists(name)) writeFile(name, {});
    }
    // A control of the main window, found by its design name.
    template <class T>
    T* control(const char* name) const {
        T* c = w->findChild<T*>(QLatin1String(name));
        EXPECT_NE(c, nullptr) << "no control " << name;
        return c;
    }
    void type(const QString& text) {
        control<QLineEdit>("Text3")->clear();
        typeKeys(control<QLineEdit>("Text3"), text);
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
        QTest::mouseClick(control<QPushButton>("Suchen"), Qt::LeftButton);
    }
    QStringList lines() const {
        QStringList out;
        for (int i = 0; i < control<ResultList>("List1")->count(); ++i) out.append(control<ResultList>("List1")->text(i));
        return out;
    }
    // The terms of the listed hits, without their padding.
    QStringList terms() const {
        QStringList out;
        for (const QString& l : lines()) out.append(l.left(30).trimmed());
        return out;
    }
    // The lines the window "info" shows, or none when it is not open.
    static QStringList infoLines() {
        auto* info = qobject_cast<InfoWindow*>(windows::find("info"));
        QStringList out;
        for (int i = 0; info && i < info->List1->count(); ++i) out.append(info->List1->item(i)->text());
        return out;
    }
    void select(int row) { control<ResultList>("List1")->setCurrentRow(row); }

    std::unique_ptr<Lexikon> w;
};
