#pragma once
// Texts as the text boxes keep them: the case of a commit, one line, and a
// length limit that never splits a character.
//
// A limit counts UTF-16 units, as a box's MaxLength does (an emoji takes
// two), and cuts only between characters as the user sees them (grapheme
// clusters: a letter with its accents, a flag, an emoji sequence). What
// comes in is composed (NFC), so that an accented letter pasted as letter and
// accent is one unit and is kept or dropped whole.

#include <QString>

namespace scheda {

// Case mapped one character to one ("ß" stays "ß"), so a text never grows
// beyond its box's length limit.
QString maiuscolo(const QString &s);
QString minuscolo(const QString &s);

// The longest start of a text that holds at most `n` UTF-16 units and ends
// between two whole characters as the user sees them.
QString primiCaratteri(const QString &s, int n);

// A text entering a one-line box (typed, pasted, dropped): TAB, CR, LF and
// the line and paragraph separators become a blank; every other control
// character goes, and so do the invisible characters that reorder what
// follows them (bidi embeddings, overrides and isolates), the noncharacters
// and half a surrogate pair.
QString testoInRiga(const QString &entrato);

// An edit of a one-line box of `limite` UTF-16 units (0: none): `prima` is
// its text before, `dopo` the text the edit left, with the caret at
// `cursore`, just after what came in. What came in is cleaned (testoInRiga),
// composed, and cut to the room the limit leaves, at a whole character; the
// rest of the text stays as it stood, a stored text with control characters
// included. What came in joins the character before it when it continues it
// (an accent typed after its letter): the two are composed together, or the
// accent goes if the letter with it does not fit.
//
// A box that keeps a limit of its own cuts what comes in before we see it
// (Qt's line edit, in UTF-16 units): `intera`, when given, is the whole of
// what came in, and it is taken instead of the cut one when `dopo` fills the
// limit with a start of it, of one character at least.
struct Riga
{
    QString testo;
    int cursore = 0;
};
Riga modificaRiga(const QString &prima, const QString &dopo, int cursore, int limite,
                  const QString &intera = QString());

// The name given to a sheet (the first run, "Nuovo"): one line, composed,
// upper case, cut to the 50 characters of its column.
inline constexpr int LunghezzaDenominazione = 50;
QString nomeScheda(const QString &risposta);

} // namespace scheda
