#pragma once
// What enters a one-line text box, by typing, pasting, dropping or an input
// method, passes here before the box keeps it: control characters cleaned
// out, the text composed, and the length limit kept without splitting a
// character (modificaRiga in core/formati/Testi.h). A text the program sets
// itself, a stored value shown, is no entry and stays as it is.

#include <QValidator>

class QLineEdit;

namespace scheda::campi {

class EntrataRiga : public QValidator
{
    Q_OBJECT
public:
    // Installs itself on the box.
    explicit EntrataRiga(QLineEdit *box);
    // Sets the box's text from the program.
    void mostra(const QString &testo);
    State validate(QString &testo, int &cursore) const override;

protected:
    // Notes the whole of what an event brings in, before the box cuts it.
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    QLineEdit *box_;
    mutable QString prima_;  // the box's text before the edit being checked
    mutable QString intera_; // what the event being handled brings in, whole
};

} // namespace scheda::campi
