#pragma once

#include <QString>

// The comparisons the search box uses to recognise its command words.
namespace commandwords {

// True when the first n characters of `text` are `word` (n = its length);
// a shorter text never matches.
inline bool startsWithWord(const QString& text, const QString& word) {
    return text.size() >= word.size() && text.left(word.size()) == word;
}

// The last character of the text; the empty text for an empty text.
inline QString lastChar(const QString& text) { return text.right(1); }

// What the text of the search box asks for, as tested on every change.
struct Actions {
    bool ostern = false;      // one of the feast words
    bool schriften = false;   // "schrift"
    bool backup = false;      // "speich" ... ":" as typed; ends the handler
    QString drive;            // the last two characters, lower-cased
    bool tevo = false;        // "tevo"; ends the handler
    bool konvert = false;     // "konv>" or "conv>"
    bool sources = false;     // "quell": the texts under "quel!"
    QString storedTextKey;    // a text ending in "!": the lower-cased text itself
};

Actions recognise(const QString& text);

}  // namespace commandwords
