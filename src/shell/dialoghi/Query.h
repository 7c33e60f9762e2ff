#pragma once
// The record grid window: table "Dati" listed read-only in a grid, with the
// data control's navigation bar, as an MDI child in the place of the page
// forms (number 10). No command of the program opens it.

#include <QAbstractTableModel>
#include <QFrame>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <vector>

class QLabel;
class QLineEdit;
class QTableView;
class QToolButton;

namespace scheda {

// A data source name of a connection string ("DSN=Norvallo") resolved to a
// data file of the program folder and its password; an unknown name raises
// the error of a failed connection.
struct OrigineDati
{
    QString file;
    QString password;
};
OrigineDati risolviOrigineDati(const QString &connectionString);

// The rows read by the data control, as text.
class RigheDati : public QAbstractTableModel
{
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;
    void imposta(QStringList colonne, std::vector<QStringList> righe);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QStringList colonne_;
    std::vector<QStringList> righe_;
};

// The data control: a connection string, a record source and a current row,
// moved by its four buttons (first, previous, next, last).
class ControlloDati : public QFrame
{
    Q_OBJECT
public:
    explicit ControlloDati(QWidget *parent = nullptr);

    QString ConnectionString;
    QString RecordSource;
    void setCaption(const QString &caption);
    QString Caption() const;

    // Connects and reads every row of the record source; the first row
    // becomes current. Raises the error of a failed connection or read.
    void Refresh();

    void MoveFirst();
    void MovePrevious();
    void MoveNext();
    void MoveLast();
    // The current row (from 0), -1 when there is none.
    int posizione() const { return posizione_; }
    void vaiA(int riga);
    bool isBOF() const { return bof_; }
    bool isEOF() const { return eof_; }

    RigheDati *righe() const { return righe_; }

signals:
    void posizioneCambiata(int riga);

private:
    RigheDati *righe_;
    QLabel *caption_;
    int posizione_ = -1;
    bool bof_ = true;
    bool eof_ = true;
};

class Query : public QWidget
{
    Q_OBJECT
public:
    explicit Query(QWidget *parent = nullptr);

    // Load event: the data control connects and the grid shows its rows.
    void Form_Load();

    QLabel *Label1 = nullptr;
    QLineEdit *TXTRecord = nullptr;
    ControlloDati *Adodc1 = nullptr;
    QTableView *DataGrid1 = nullptr;
};

// Opens the record grid window in the place of the page forms: it closes
// whatever page form is open, shows the window at Left 0, Top 0 in the
// page's size (pages/PaginaScheda.h) and sets PaginaCorrente to 10. A failure to read the data is
// reported and changes nothing. Returns the window, or nullptr.
Query *ApriQuery();

} // namespace scheda
