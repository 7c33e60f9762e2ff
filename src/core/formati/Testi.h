#pragma once
// Texts as the text boxes keep them: the case of a commit, one line, and a
// length limit that never splits a character.

#include <QString>

namespace scheda {

// Case mapped one character to one ("ß" stays "ß"), so a text never grows
// beyond its box's length limit.
QString maiuscolo(const QString &s);
QString minuscolo(const QString &s);

// At most the first `n` UTF-16 units of a text, one less rather than half a
// surrogate pair.
QString primiCaratteri(const QString &s, int n);

// A text entering a one-line box (typed, pasted, dropped): TAB, CR, LF and
// the line and paragraph separators become a blank, every other control
// character goes, and so does half a surrogate pair.
QString testoInRiga(const QString &entrato);

// An edit of a one-line box of `limite` UTF-16 units (0: none): `prima` is
// its text before, `dopo` the text the edit left, with the caret at
// `cursore`, just after what came in. What came in is cleaned (testoInRiga)
// and cut to the room the limit leaves, at a whole character; the rest of the
// text stays as it stood, a stored text with control characters included.
struct Riga
{
    QString testo;
    int cursore = 0;
};
Riga modificaRiga(const QString &prima, const QString &dopo, int cursore, int limite);

// The name given to a sheet (the first run, "Nuovo"): one line, upper case,
// cut to the 50 characters of its column.
inline constexpr int LunghezzaDenominazione = 50;
QString nomeScheda(const QString &risposta);

} // namespace scheda
