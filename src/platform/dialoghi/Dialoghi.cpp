#include "platform/dialoghi/Dialoghi.h"

#include <cstdio>

namespace dlg {

namespace {

// A program without a screen: the box goes to the standard error, its answer
// is that of Esc (No, OK, the empty text).
class SenzaSchermo : public Dialoghi
{
public:
    int MsgBox(const QString &prompt, int stile, const QString &titolo) override
    {
        scrivi(titolo, prompt);
        return (stile & 0x7) == vbYesNo ? vbNo : vbOK;
    }
    QString InputBox(const QString &prompt, const QString &titolo) override
    {
        scrivi(titolo, prompt);
        return QString();
    }
    void Beep() override {}

private:
    static void scrivi(const QString &titolo, const QString &prompt)
    {
        std::fprintf(stderr, "%s\n%s\n", qUtf8Printable(titolo), qUtf8Printable(prompt));
    }
};

SenzaSchermo senzaSchermo;
Dialoghi *programma = &senzaSchermo;
Dialoghi *installati = nullptr;

} // namespace

Dialoghi &dialoghi()
{
    return installati ? *installati : *programma;
}

void impostaDialoghi(Dialoghi *d)
{
    installati = d;
}

void impostaDialoghiProgramma(Dialoghi *d)
{
    programma = d ? d : &senzaSchermo;
}

} // namespace dlg
