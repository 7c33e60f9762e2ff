#include "shell/dialoghi/Query.h"

#include "core/Archivio.h"
#include "core/Errori.h"
#include "core/FileDati.h"
#include "core/Globali.h"
#include "shell/MostraPagina.h"

#include "platform/db/Connection.h"
#include "platform/db/Error.h"
#include "platform/db/Recordset.h"
#include "platform/ui/Twips.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <memory>

namespace scheda {

namespace {

// The ODBC data sources the program's windows name, and the data file each stands for.
struct Dsn
{
    const char *nome;
    const QString *file;
    const QString *password;
};
const Dsn DataSources[] = {{"Norvallo", &FileVarnex, &PasswordVarnex}};

QString testo(const ado::Variant &v)
{
    return v.isNull() ? QString() : v.toText();
}

} // namespace

OrigineDati risolviOrigineDati(const QString &connectionString)
{
    QString nome;
    for (const QString &parte : connectionString.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const int uguale = parte.indexOf(QLatin1Char('='));
        if (uguale > 0
            && parte.left(uguale).trimmed().compare(QStringLiteral("DSN"), Qt::CaseInsensitive) == 0)
            nome = parte.mid(uguale + 1).trimmed();
    }
    for (const Dsn &d : DataSources)
        if (nome.compare(QLatin1String(d.nome), Qt::CaseInsensitive) == 0)
            return {percorsoProgramma(CartellaProgramma, *d.file), *d.password};
    throw ado::Error(ado::err::FileNotFound,
                     QStringLiteral("Origine dati non trovata: %1").arg(connectionString));
}

void RigheDati::imposta(QStringList colonne, std::vector<QStringList> righe)
{
    beginResetModel();
    colonne_ = std::move(colonne);
    righe_ = std::move(righe);
    endResetModel();
}

int RigheDati::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(righe_.size());
}

int RigheDati::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(colonne_.size());
}

QVariant RigheDati::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    return righe_[std::size_t(index.row())].value(index.column());
}

QVariant RigheDati::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return colonne_.value(section);
    return QString::number(section + 1);
}

ControlloDati::ControlloDati(QWidget *parent)
    : QFrame(parent)
    , righe_(new RigheDati(this))
{
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    auto *l = new QHBoxLayout(this);
    l->setContentsMargins(1, 1, 1, 1);
    l->setSpacing(0);
    auto pulsante = [this, l](const QString &nome, QStyle::StandardPixmap icona,
                              void (ControlloDati::*azione)()) {
        auto *b = new QToolButton(this);
        b->setObjectName(nome);
        b->setIcon(style()->standardIcon(icona));
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setIconSize(QSize(12, 12));
        b->setFixedWidth(18);
        connect(b, &QToolButton::clicked, this, azione);
        l->addWidget(b);
        return b;
    };
    pulsante(QStringLiteral("Primo"), QStyle::SP_MediaSkipBackward, &ControlloDati::MoveFirst);
    pulsante(QStringLiteral("Precedente"), QStyle::SP_MediaSeekBackward,
             &ControlloDati::MovePrevious);
    caption_ = new QLabel(this);
    caption_->setObjectName(QStringLiteral("Caption"));
    caption_->setAlignment(Qt::AlignCenter);
    l->addWidget(caption_, 1);
    pulsante(QStringLiteral("Successivo"), QStyle::SP_MediaSeekForward, &ControlloDati::MoveNext);
    pulsante(QStringLiteral("Ultimo"), QStyle::SP_MediaSkipForward, &ControlloDati::MoveLast);
}

void ControlloDati::setCaption(const QString &caption)
{
    caption_->setText(caption);
}

QString ControlloDati::Caption() const
{
    return caption_->text();
}

void ControlloDati::Refresh()
{
    const OrigineDati origine = risolviOrigineDati(ConnectionString);
    const auto connessione = apriFile(origine.file, origine.password);
    ado::Recordset rs;
    rs.Source = RecordSource;
    rs.ActiveConnection = connessione.get();
    rs.Open();
    QStringList colonne;
    for (int i = 0; i < rs.FieldsCount(); ++i)
        colonne << rs.Fields(i).Name();
    std::vector<QStringList> righe;
    if (rs.RecordCount() > 0) {
        for (rs.MoveFirst(); !rs.isEOF(); rs.MoveNext()) {
            QStringList riga;
            riga.reserve(colonne.size());
            for (int i = 0; i < colonne.size(); ++i)
                riga << testo(rs.Fields(i).Value());
            righe.push_back(std::move(riga));
        }
    }
    rs.Close();
    connessione->Close();
    righe_->imposta(colonne, std::move(righe));
    posizione_ = -1;
    bof_ = eof_ = righe_->rowCount() == 0;
    if (righe_->rowCount() > 0)
        vaiA(0);
}

void ControlloDati::vaiA(int riga)
{
    const int n = righe_->rowCount();
    if (n == 0)
        return;
    bof_ = riga < 0;
    eof_ = riga >= n;
    posizione_ = std::clamp(riga, 0, n - 1);
    emit posizioneCambiata(posizione_);
}

// The buttons never leave the control before the first or after the last row.
void ControlloDati::MoveFirst()
{
    vaiA(0);
}
void ControlloDati::MovePrevious()
{
    vaiA(std::max(posizione_ - 1, 0));
}
void ControlloDati::MoveNext()
{
    vaiA(std::min(posizione_ + 1, righe_->rowCount() - 1));
}
void ControlloDati::MoveLast()
{
    vaiA(righe_->rowCount() - 1);
}

Query::Query(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Query"));
    setWindowTitle(QStringLiteral("Query"));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, ui::coloreVb(0x00FFD3D9));
    setPalette(p);

    Label1 = new QLabel(QStringLiteral("Numero Record :"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->move(ui::px(240), ui::px(240));
    Label1->adjustSize();
    TXTRecord = new QLineEdit(this);
    TXTRecord->setObjectName(QStringLiteral("TXTRecord"));
    TXTRecord->setGeometry(ui::rettangolo(1560, 240, 855, 285));
    QPalette giallo = TXTRecord->palette();
    giallo.setColor(QPalette::Base, ui::coloreVb(0x00C0FFFF));
    TXTRecord->setPalette(giallo);

    Adodc1 = new ControlloDati(this);
    Adodc1->setObjectName(QStringLiteral("Adodc1"));
    Adodc1->setGeometry(ui::rettangolo(3240, 0, 1800, 375));
    Adodc1->setCaption(QStringLiteral("Adodc1"));
    Adodc1->ConnectionString = QStringLiteral("DSN=Norvallo");
    Adodc1->RecordSource = QStringLiteral("Dati");

    DataGrid1 = new QTableView(this);
    DataGrid1->setObjectName(QStringLiteral("DataGrid1"));
    DataGrid1->setGeometry(ui::rettangolo(240, 720, 9255, 6375));
    DataGrid1->setModel(Adodc1->righe());
    DataGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DataGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DataGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DataGrid1->verticalHeader()->setDefaultSectionSize(ui::px(255));
    DataGrid1->horizontalHeader()->setDefaultSectionSize(ui::px(1500));

    connect(Adodc1, &ControlloDati::posizioneCambiata, this, [this](int riga) {
        const QModelIndex i = Adodc1->righe()->index(riga,
                                                     std::max(DataGrid1->currentIndex().column(),
                                                              0));
        if (DataGrid1->currentIndex().row() != riga)
            DataGrid1->setCurrentIndex(i);
        DataGrid1->scrollTo(i);
    });
    connect(DataGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &i) {
                if (i.isValid() && i.row() != Adodc1->posizione())
                    Adodc1->vaiA(i.row());
            });
}

void Query::Form_Load()
{
    Adodc1->Refresh();
}

Query *ApriQuery()
{
    std::unique_ptr<Query> query;
    try {
        query = std::make_unique<Query>();
        query->Form_Load();
    } catch (const std::exception &e) {
        segnalaErrore(e);
        return nullptr;
    }
    // Whatever page form is open closes, pages 5 and 6 too.
    chiudiPaginaMostrata();
    Query *q = query.release();
    apriFinestraPagina(10, q);
    PaginaCorrente = 10;
    return q;
}

} // namespace scheda
