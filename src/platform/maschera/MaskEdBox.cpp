#include "platform/maschera/MaskEdBox.h"

namespace maschera {

MaskEdBox::MaskEdBox(QWidget *parent)
    : QLineEdit(parent)
{
    // Typing overwrites the place under the caret, as a masked box does.
    setMaschera(QStringLiteral("##/##/####"));
}

QString MaskEdBox::maschereQt(const QString &mask, QChar prompt)
{
    static const QString specialiQt = QStringLiteral("AaNnXx90Dd#HhBb><![]{}\\;");
    QString qt;
    for (int i = 0; i < mask.size(); ++i) {
        const QChar c = mask.at(i);
        switch (c.unicode()) {
        case '#':
            qt += QLatin1Char('9');
            break;
        case '9':
            qt += QLatin1Char('0');
            break;
        case '?':
            qt += QLatin1Char('A');
            break;
        case 'A':
            qt += QLatin1Char('N');
            break;
        case 'a':
            qt += QLatin1Char('n');
            break;
        case '&':
            qt += QLatin1Char('X');
            break;
        case 'C':
            qt += QLatin1Char('x');
            break;
        case '\\':
            if (i + 1 < mask.size()) {
                const QChar l = mask.at(++i);
                if (specialiQt.contains(l))
                    qt += QLatin1Char('\\');
                qt += l;
            }
            break;
        default:
            if (specialiQt.contains(c))
                qt += QLatin1Char('\\');
            qt += c;
        }
    }
    return qt + QLatin1Char(';') + prompt;
}

void MaskEdBox::setMaschera(const QString &mask)
{
    maschera_ = mask;
    setInputMask(maschereQt(maschera_, prompt_));
}

void MaskEdBox::setPromptChar(QChar c)
{
    QString testo = Text();
    testo.replace(prompt_, c);
    prompt_ = c;
    setInputMask(maschereQt(maschera_, prompt_));
    QLineEdit::setText(testo);
}

void MaskEdBox::setText(const QString &testo)
{
    QLineEdit::setText(testo);
}

int MaskEdBox::SelStart() const
{
    return hasSelectedText() ? selectionStart() : cursorPosition();
}

void MaskEdBox::setSelStart(int start)
{
    deselect();
    setCursorPosition(start);
}

int MaskEdBox::SelLength() const
{
    return int(selectedText().size());
}

void MaskEdBox::setSelLength(int length)
{
    const int start = SelStart();
    if (length <= 0)
        setSelStart(start);
    else
        setSelection(start, length);
}

} // namespace maschera
