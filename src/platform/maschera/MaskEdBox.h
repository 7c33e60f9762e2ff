#pragma once
// The masked edit box of the date fields: a line edit that always shows its
// mask, unfilled places as the prompt character ("__/__/____" when empty).
// `Text` is read with its prompt characters, as the date families expect;
// SelStart and SelLength work on that text.
//
// The mask is written in the program's own notation: "#" a digit,
// "9" an optional digit, "?" a letter, "A" a letter or digit (required),
// "a" the same optional, "&" any character, "C" any character optional,
// "\" takes the next character literally; anything else is a literal.

#include <QLineEdit>

namespace maschera {

class MaskEdBox : public QLineEdit
{
    Q_OBJECT
public:
    explicit MaskEdBox(QWidget *parent = nullptr);

    QString Mask() const { return maschera_; }
    void setMaschera(const QString &mask);
    QChar PromptChar() const { return prompt_; }
    void setPromptChar(QChar c);

    // The displayed text, prompt characters included.
    QString Text() const { return displayText(); }
    // Fills the mask from a text; prompt characters leave their place unfilled.
    void setText(const QString &testo);

    int SelStart() const;
    // Puts the caret at `start` with nothing selected.
    void setSelStart(int start);
    int SelLength() const;
    // Selects `length` characters from SelStart.
    void setSelLength(int length);

    // The Qt input mask a mask of ours turns into.
    static QString maschereQt(const QString &mask, QChar prompt);

private:
    QString maschera_;
    QChar prompt_ = QLatin1Char('_');
};

} // namespace maschera
