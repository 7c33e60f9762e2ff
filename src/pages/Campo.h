#pragma once
// One control of a page form bound to its column of the in-memory sheet.
// The page-form contract drives every bound control through this interface:
// Posiziona shows the stored value, Validare commits a pending edit as if
// the control had lost the focus, Salva lets option groups store their code.

#include <QObject>
#include <QString>

class QWidget;

namespace scheda {

class Campo : public QObject
{
    Q_OBJECT
public:
    Campo(const QString &colonna, QObject *parent)
        : QObject(parent)
        , colonna_(colonna)
    {}
    ~Campo() override = default;

    // The control (its objectName is the control's name, e.g. "TXTDenom").
    virtual QWidget *controllo() const = 0;
    // The variable it shows, named as its column.
    const QString &colonna() const { return colonna_; }
    // Variable into the control, raising no edit and no flag.
    virtual void mostra() = 0;
    // The control's commit handler, as when it loses the focus.
    virtual void conferma() = 0;
    // Just before Salva writes the row (option groups store their code here).
    virtual void primaDiSalvare() {}

private:
    QString colonna_;
};

} // namespace scheda
