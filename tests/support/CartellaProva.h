#pragma once
// A temporary program folder with the three data files, made by the same
// code as the real ones, and helpers to reach them in tests.

#include <QString>
#include <QTemporaryDir>

class CartellaProva {
public:
    // With or without the data files (tests of missing files make none).
    explicit CartellaProva(bool conFile = true);
    QString percorso(const QString &nome) const;
    QString cartella() const { return dir_.path(); }

    // Adds n rows with denominazione "SCHEDA 1".."SCHEDA n" to Varnex.mdb.
    void aggiungiSchede(int n) const;
    // Runs one statement on a file, keyed with its password.
    void esegui(const QString &nome, const QString &password, const QString &sql) const;

private:
    QTemporaryDir dir_;
};
