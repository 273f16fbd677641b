#include "editors/stations/frmStation.h"

#include "config/Schema.h"
#include "core/AppContext.h"
#include "editors/stations/ClidCharacters.h"
#include "editors/stations/StationLine.h"
#include "editors/stations/frmClid.h"
#include "editors/stations/frmConflict.h"
#include "platform/Database.h"
#include "ui/WindowUtil.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
const QString kWindowName = u"frmStation"_s;

// A key that types a character (Backspace included), not one that moves the
// focus, confirms or cancels.
bool typesCharacter(const QKeyEvent *key)
{
    if (key->text().isEmpty())
        return false;
    switch (key->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape: return false;
    default: return true;
    }
}

bool isControl(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7f;
}
} // namespace

frmStation::frmStation(AppContext &context, frmClid &stations, int station, const QString &archnum, const QString &clid)
    : QDialog(&stations), m_context(context), m_stations(stations)
{
    setObjectName(kWindowName);
    setModal(true);

    m_lblStation = new QLabel(this);
    m_lblStation->setObjectName(u"lblStation"_s);
    m_txtArchnum = new QLineEdit(this);
    m_txtArchnum->setObjectName(u"txtArchnum"_s);
    m_txtArchnum->setMaxLength(Schema::kArchNumWidth);
    m_txtArchnum->setValidator(new QRegularExpressionValidator(QRegularExpression(u"[0-9]*"_s), m_txtArchnum));
    m_txtClid = new QLineEdit(this);
    m_txtClid->setObjectName(u"txtClid"_s);
    m_txtClid->setMaxLength(Schema::kClidWidth);
    m_txtArchnum->installEventFilter(this);
    m_txtClid->installEventFilter(this);
    // Edits that are no typed key (Delete, cut, paste, undo) change the
    // station too, so they count as typing.
    connect(m_txtArchnum, &QLineEdit::textEdited, this, [this] { ChangeArchNum = true; });
    connect(m_txtClid, &QLineEdit::textEdited, this, &frmStation::txtClid_Edited);

    auto *lblArch = new QLabel(u"&Architectural Number :"_s, this);
    lblArch->setBuddy(m_txtArchnum);
    auto *lblClid = new QLabel(u"&CLID Description :"_s, this);
    lblClid->setBuddy(m_txtClid);
    auto *lblStn = new QLabel(u"Station :"_s, this);

    auto *fields = new QGridLayout;
    fields->addWidget(lblStn, 0, 0);
    fields->addWidget(m_lblStation, 0, 1);
    fields->addWidget(lblArch, 1, 0);
    fields->addWidget(m_txtArchnum, 1, 1);
    fields->addWidget(lblClid, 2, 0);
    fields->addWidget(m_txtClid, 2, 1);
    fields->setColumnStretch(1, 1);
    m_txtArchnum->setMaximumWidth(m_txtArchnum->fontMetrics().horizontalAdvance(u"00000000"_s) + 12);
    m_txtClid->setMinimumWidth(m_txtClid->fontMetrics().horizontalAdvance(u"WWWWWWWWWWWWWWW"_s) / 2 + 60);

    const QStringList moveCaptions{u"<<"_s, u"<"_s, u">"_s, u">>"_s};
    auto *moves = new QHBoxLayout;
    for (int i = 0; i < 4; ++i) {
        auto *b = commandButton(moveCaptions[i], u"cmdMove"_s + QString::number(i), this);
        b->setMinimumWidth(36);
        connect(b, &QPushButton::clicked, this, [this, i] { cmdMove_Click(i); });
        moves->addWidget(b);
    }
    moves->addStretch();
    auto *cmdOK = commandButton(u"OK"_s, u"cmdOK"_s, this);
    auto *cmdCancel = commandButton(u"Cancel"_s, u"cmdCancel"_s, this);
    connect(cmdOK, &QPushButton::clicked, this, &frmStation::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmStation::cmdCancel_Click);
    moves->addWidget(cmdOK);
    moves->addWidget(cmdCancel);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addSpacing(6);
    layout->addLayout(moves);

    tab_index = stations.activeTab();
    min_station = frmClid::kStationsPerTab * tab_index + 1;
    max_station = frmClid::kStationsPerTab * tab_index + frmClid::kStationsPerTab;
    ClidIndex = std::max(0, stations.selectedLine(tab_index));
    showStation(station, archnum, clid);
    adjustSize();
    CenterScreen(this);
}

void frmStation::logError(const QString &procedure, const QString &description)
{
    m_context.log.LogError(ErrNo::DatabaseError, description, kWindowName, kWindowName, procedure);
}

void frmStation::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    m_txtArchnum->setFocus(Qt::OtherFocusReason);
}

void frmStation::showStation(int station, const QString &archnum, const QString &clid)
{
    // The boxes show the values without their padding, so that a digit typed
    // after the blanks cannot make an arch number with a blank inside it.
    m_station = station;
    m_lblStation->setText(QString::number(station));
    m_txtArchnum->setText(StationLine::trimBlanks(archnum));
    m_txtClid->setText(StationLine::trimBlanks(clid));
    m_acceptedClid = m_txtClid->text();
    setWindowTitle(u"Station "_s + QString::number(station));
    ChangeArchNum = false;
    ChangeClid = false;
}

bool frmStation::eventFilter(QObject *watched, QEvent *e)
{
    if (e->type() == QEvent::FocusIn && (watched == m_txtArchnum || watched == m_txtClid)) {
        // After the focus change, which may itself place the cursor.
        QTimer::singleShot(0, watched, [box = static_cast<QLineEdit *>(watched)] { box->selectAll(); });
    } else if (e->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(e);
        if (watched == m_txtArchnum)
            return archnumKey(key);
        if (watched == m_txtClid)
            return clidKey(key);
    }
    return QDialog::eventFilter(watched, e);
}

bool frmStation::archnumKey(QKeyEvent *key)
{
    if (!typesCharacter(key))
        return false;
    ChangeArchNum = true;
    const QChar c = key->text().front();
    return !isControl(c) && !(c >= u'0' && c <= u'9');
}

bool frmStation::clidKey(QKeyEvent *key)
{
    if (!typesCharacter(key))
        return false;
    ChangeClid = true;
    for (QChar c : key->text()) {
        if (isControl(c))
            continue;
        if (!Schema::isShownByController(c)) {
            m_context.prompter.message(ClidCharacters::refusedMessage(c), m_context.state.variant.ProductTitle,
                                       Prompter::Exclamation);
            return true;
        }
    }
    return false;
}

void frmStation::txtClid_Edited(const QString &text)
{
    ChangeClid = true;
    if (const auto refused = ClidCharacters::firstRefused(text)) {
        m_txtClid->setText(m_acceptedClid);
        m_context.prompter.message(ClidCharacters::refusedMessage(*refused), m_context.state.variant.ProductTitle,
                                   Prompter::Exclamation);
        return;
    }
    m_acceptedClid = text;
}

void frmStation::searchConflicts(const QString &archnum)
{
    const auto rows = m_stations.table().load();
    if (!rows)
        logError(u"Find_Conflicts"_s, m_stations.table().database().lastError());
    m_conflicts = Find_Conflicts(rows.value_or(QList<StationEntry>{}), m_station, archnum);
}

Prompter::Answer frmStation::askAboutConflicts(const QString &archnum)
{
    frmConflict dialog(m_station, archnum, m_conflicts, this);
    dialog.exec();
    return dialog.answer();
}

void frmStation::writeShownStation()
{
    ClidTable &table = m_stations.table();
    if (!table.write(m_station, m_txtArchnum->text(), m_txtClid->text()))
        logError(u"cmdOk_Click"_s, table.database().lastError());
    m_stations.setLine(tab_index, ClidIndex,
                       StationLine::format(m_station, m_txtArchnum->text(),
                                           StationLine::trimBlanks(m_txtClid->text().left(Schema::kClidWidth))));
    for (const Conflict &c : m_conflicts)
        if (!table.clearArchnum(c.Station))
            logError(u"cmdOk_Click"_s, table.database().lastError());
    if (!m_conflicts.isEmpty())
        BuildClidList();
}

void frmStation::BuildClidList()
{
    m_stations.Build_List();
}

void frmStation::cmdOk_Click()
{
    const QString archnum = StationLine::trimBlanks(m_txtArchnum->text());
    searchConflicts(archnum);
    Save_Stn_Response = m_conflicts.isEmpty() ? Prompter::AnswerYes : askAboutConflicts(archnum);
    switch (Save_Stn_Response) {
    case Prompter::AnswerYes:
        writeShownStation();
        m_stations.NewArch = m_txtArchnum->text();
        m_stations.NewClid = m_txtClid->text();
        if (!m_conflicts.isEmpty())
            m_stations.Conflicts_Deleted = true;
        done(Accepted);
        break;
    case Prompter::AnswerNo: done(Rejected); break;
    default: break;
    }
    m_stations.selectLine(tab_index, ClidIndex);
}

void frmStation::cmdCancel_Click()
{
    done(Rejected);
}

void frmStation::cmdMove_Click(int index)
{
    bool write = false;
    if (ChangeArchNum) {
        const QString archnum = StationLine::trimBlanks(m_txtArchnum->text());
        searchConflicts(archnum);
        write = m_conflicts.isEmpty() || askAboutConflicts(archnum) == Prompter::AnswerYes;
    } else if (ChangeClid) {
        m_conflicts.clear();
        write = true;
    }
    if (write) {
        writeShownStation();
        m_stations.markChanged();
    }

    int next = m_station;
    switch (index) {
    case kFirst: next = min_station; break;
    case kPrevious:
        if (m_station > min_station)
            --next;
        break;
    case kNext:
        if (m_station < max_station)
            ++next;
        break;
    case kLast: next = max_station; break;
    default: return;
    }
    ClidIndex = next - min_station;

    const auto rows = m_stations.table().load();
    if (!rows) {
        logError(u"cmdMove_Click"_s, m_stations.table().database().lastError());
        return;
    }
    for (const StationEntry &row : *rows) {
        if (row.station == next) {
            showStation(row.station, row.archnum, row.clid);
            break;
        }
    }
    m_txtClid->setFocus(Qt::OtherFocusReason);
    m_stations.selectLine(tab_index, ClidIndex);
}
