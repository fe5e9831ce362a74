#include "keymap/KeymapDialog.h"

#include "ui_KeymapDialog.h"

#include "device/Protocol.h"
#include "keymap/KeyCodeSearchPannel.h"
#include "keymap/KeymapDiffOverlay.h"
#include "keymap/KeymapEditCommand.h"
#include "keymap/KeymapFiles.h"
#include "keymap/KeymapKeyboardUse.h"
#include "keymap/KeymapLayerMenu.h"
#include "keymap/KeymapLiveMode.h"
#include "keymap/KeymapLiveSwitches.h"
#include "keymap/KeymapLog.h"
#include "keymap/KeymapPageChart.h"
#include "keymap/KeymapPageLook.h"
#include "keymap/KeymapPannelView.h"
#include "keymap/KeymapPickers.h"
#include "keymap/KeymapStore.h"
#include "keymap/KeymapTransfer.h"
#include "layout/KeyCap.h"
#include "layout/KeyPannel.h"
#include "ui/ChoiceRow.h"
#include "ui/MessageBox.h"
#include "ui/Palette.h"
#include "ui/UndoButtons.h"

#include <QAction>
#include <QBoxLayout>
#include <QMenu>
#include <QToolButton>
#include <QUndoGroup>
#include <QUndoStack>

namespace {
using Palette::kFailure;
using Palette::kSuccess;
using Palette::kWarning;
} // namespace

KeymapDialog::KeymapDialog(QWidget* parent)
    : QWidget(parent)
    , m_ui(new Ui::KeymapDialog)
    , m_store(new KeymapStore)
{
    m_ui->setupUi(this);
    setAttribute(Qt::WA_StyledBackground, true);

    // Empty until the main window has loaded a layout into it.
    m_pannel = new KeyPannel(m_ui->wdgKeyPannel);
    m_pannel->hide();

    m_pickers = new KeymapPickers({m_ui->skwBaseKey, m_ui->skwLayerKey, m_ui->skwLedKey, m_ui->skwMediaKey,
                                      m_ui->skwCombKey, m_ui->skwDiadKey, m_ui->skwMacroKey, m_ui->skwFuncKey},
        m_ui->wdgRight, this);
    connect(m_pickers, &KeymapPickers::CodeChosen, this, &KeymapDialog::KeyPannelCodeClicked);
    connect(m_pickers, &KeymapPickers::HighByteChosen, this, &KeymapDialog::DiadKeyPannelCodeClicked);
    SetUpEditing();
    SetUpSearch();
    SetUpNavigation();
    new KeymapKeyboardUse(this, m_pickers, m_ui->ldtKeySearch, m_undoAction, m_redoAction);
    m_chart = new KeymapPageChart(this, m_pannel, m_store.get(), m_keymapButtons, m_layerButtons,
        [this] { return m_modelName.isEmpty() ? m_keyboardName : m_modelName; });
    connect(m_chart, &KeymapPageChart::ResultShow, this, &KeymapDialog::ResultShow);

    m_keymapButtons.first()->click();
    m_keyCodeButtons.first()->click();
}

KeymapDialog::~KeymapDialog() = default;

void KeymapDialog::SetUpNavigation()
{
    m_layerButtons = {m_ui->tbtnLayer0, m_ui->tbtnLayer1, m_ui->tbtnLayer2, m_ui->tbtnLayer3};
    m_keymapButtons = {m_ui->tbtnKeymap0, m_ui->tbtnKeymap1, m_ui->tbtnKeymap2, m_ui->tbtnKeymap3};
    m_keyCodeButtons = {m_ui->tbtnBasicKey, m_ui->tbtnLayerKey, m_ui->tbtnLedKey, m_ui->tbtnMediaKey, m_ui->tbtnCombKey,
        m_ui->tbtnDiadKey, m_ui->tbtnMacroKey, m_ui->tbtnFuncKey};
    const auto group = [this](const QList<QToolButton*>& buttons, void (KeymapDialog::*chosen)(int)) {
        auto* row = new ChoiceRow(this, [this, chosen](int index) { (this->*chosen)(index); });
        for (QToolButton* button : buttons)
            row->Add(button);
    };
    group(m_layerButtons, &KeymapDialog::ShowLayer);
    group(m_keymapButtons, &KeymapDialog::ShowKeymap);
    group(m_keyCodeButtons, &KeymapDialog::ShowPicker);
    for (QToolButton* button : qAsConst(m_layerButtons)) {
        button->setContextMenuPolicy(Qt::CustomContextMenu);
        button->setToolTip(tr("Right click (or Ctrl+L) to copy or swap layers"));
        connect(button, &QToolButton::customContextMenuRequested, this,
            [this, button] { ShowLayerMenu(m_layerButtons.indexOf(button)); });
    }
    KeymapPageLook::Apply(this);
}

void KeymapDialog::SetUpSearch()
{
    m_pickers->AttachSearchField(m_ui->ldtKeySearch, this);
}

void KeymapDialog::SetUpEditing()
{
    m_undoGroup = new QUndoGroup(this);
    for (int keymap = 0; keymap < Protocol::kKeymapCount; ++keymap)
        m_undoGroup->addStack(m_store->UndoStack(keymap));
    m_transfer = new KeymapTransfer(m_store.get(), this);
    connect(m_transfer, &KeymapTransfer::ResultShow, this, &KeymapDialog::ResultShow);
    connect(m_transfer, &KeymapTransfer::KeymapChanged, this, &KeymapDialog::ShowKeymapChange);
    connect(m_transfer, &KeymapTransfer::DownloadReady, this, &KeymapDialog::TakeDownload);
    connect(m_transfer, &KeymapTransfer::CompareReady, this, &KeymapDialog::CompareWithKeyboard);
    connect(m_transfer, &KeymapTransfer::Written, this, [this](int keymap) {
        if (m_store->CurrentKeymap() == keymap)
            ClearCompareMarks();
    });
    const UndoButtons::Actions keys = UndoButtons::Attach(
        this, m_undoGroup, m_ui->tbtnUndo, m_ui->tbtnRedo, [this] { on_tbtnUndo_clicked(); },
        [this] { on_tbtnRedo_clicked(); });
    m_undoAction = keys.undo;
    m_redoAction = keys.redo;
    SetUpLiveMode();

    m_layerMenu = new KeymapLayerMenu(this);
    connect(m_layerMenu, &KeymapLayerMenu::CopyChosen, this, &KeymapDialog::CopyLayer);
    connect(m_layerMenu, &KeymapLayerMenu::SwapChosen, this, &KeymapDialog::SwapLayers);
}

void KeymapDialog::SetUpLiveMode()
{
    m_live = new KeymapLiveMode(m_store.get(), m_transfer, this);
    connect(m_live, &KeymapLiveMode::ResultShow, this, &KeymapDialog::ResultShow);
    connect(m_live, &KeymapLiveMode::MarksChanged, this, [this] {
        if (m_store->Loaded())
            Repaint();
    });
    m_switches = new KeymapLiveSwitches(m_live, m_ui->chkLiveMode, m_ui->chkNextKey, this);
}

void KeymapDialog::SetupPannel()
{
    if (m_store->Loaded()) {
        // The panel is built once; a second setup would connect every cap twice.
        qCDebug(lcKeymap) << "Keymap pannel already set up";
        return;
    }
    m_pannel->BuildPannel();
    static_cast<QBoxLayout*>(m_ui->wdgKeyPannel->layout())->addWidget(m_pannel, 0, Qt::AlignHCenter | Qt::AlignTop);
    m_pannel->show();
    connect(m_pannel, &KeyPannel::KeyCapClicked, this, &KeymapDialog::KeyPannelKeyCapClicked);

    m_store->SetLayoutSize(m_pannel->RowNum(), m_pannel->ColNum());
    for (int row = 0; row < m_pannel->RowNum(); ++row) {
        for (int col = 0; col < m_pannel->ColNum(); ++col)
            m_store->SetKeyPresent(row, col, m_pannel->Cap(row, col) != nullptr);
    }
    m_store->TakeDefaultFromKeymap1();
    m_store->SetLoaded(true);
    // The layout's codes are where editing starts; only changes from them need keeping.
    for (int keymap = 0; keymap < Protocol::kKeymapCount; ++keymap)
        m_store->TakeBaseline(keymap);
    m_diffOverlay = new KeymapDiffOverlay(m_pannel);
    Repaint();
}

void KeymapDialog::ShowLayer(int index)
{
    m_store->SetCurrentLayer(index);
    ClearCompareMarks();
    if (m_store->Loaded())
        Repaint();
}

void KeymapDialog::ShowKeymap(int index)
{
    m_store->SetCurrentKeymap(index);
    m_undoGroup->setActiveStack(m_store->UndoStack(index));
    // A keymap always opens on its first layer.
    m_layerButtons.first()->click();
    m_transfer->ReadIfFirstShown(index);
}

void KeymapDialog::ShowPicker(int index)
{
    m_ui->skwKeyCode->setCurrentIndex(index);
    // Choosing a picker leaves the search.
    if (!m_ui->ldtKeySearch->text().isEmpty())
        m_ui->ldtKeySearch->clear();
}

void KeymapDialog::KeyPannelCodeClicked(tdu2 code)
{
    Assign(tr("Set Key"), [this, code] { return m_store->SetSelectedCode(code); });
}

void KeymapDialog::DiadKeyPannelCodeClicked(tdu2 code)
{
    Assign(tr("Set Key"), [this, code] { return m_store->ApplySelectedHighByte(code); });
}

void KeymapDialog::Assign(const QString& text, const std::function<bool()>& change)
{
    if (RecordEdit(m_store->CurrentKeymap(), m_store->CurrentLayer(), text, change) && m_switches->NextKey()
        && m_store->SelectNextKey())
        Repaint();
}

bool KeymapDialog::RecordEdit(int keymap, int layer, const QString& text, const std::function<bool()>& change)
{
    const KeymapStore::KeymapCodes before = m_store->KeymapCopy(keymap);
    const KeymapStore::KeymapSelection selection = m_store->SelectionOf(keymap);
    if (!change())
        return false;
    std::unique_ptr<KeymapEditCommand> step(new KeymapEditCommand(
        text, m_store.get(), keymap, layer, before, m_store->KeymapCopy(keymap), selection, [this](int k, int l) {
            ShowStep(k, l);
            m_live->Edited(k);
        }));
    if (step->ChangedCodes() == 0) {
        // Nothing to undo; the view still answers the edit.
        ShowStep(keymap, layer);
        return true;
    }
    qCDebug(lcKeymap) << "Edit" << text << keymap << layer << step->ChangedCodes();
    // The stack does the step again as it takes it, which shows it.
    m_store->UndoStack(keymap)->push(step.release());
    return true;
}

void KeymapDialog::ShowStep(int keymap, int layer)
{
    if (m_store->CurrentKeymap() != keymap)
        m_keymapButtons.at(keymap)->click();
    if (m_store->CurrentLayer() != layer)
        m_layerButtons.at(layer)->click();
    ClearCompareMarks();
    Repaint();
    UpdateUnsaved();
}

void KeymapDialog::on_tbtnUndo_clicked()
{
    m_undoGroup->undo();
}

void KeymapDialog::on_tbtnRedo_clicked()
{
    m_undoGroup->redo();
}

void KeymapDialog::CopyLayer(int from, int to)
{
    if (!m_store->Loaded())
        return;
    const int keymap = m_store->CurrentKeymap();
    RecordEdit(keymap, to, tr("Copy Layer"), [this, keymap, from, to] { return m_store->CopyLayer(keymap, from, to); });
}

void KeymapDialog::SwapLayers(int first, int second)
{
    if (!m_store->Loaded())
        return;
    const int keymap = m_store->CurrentKeymap();
    RecordEdit(keymap, second, tr("Swap Layers"),
        [this, keymap, first, second] { return m_store->SwapLayers(keymap, first, second); });
}

QMenu* KeymapDialog::ShowLayerMenu(int layer)
{
    if (!m_store->Loaded() || layer < 0 || layer >= m_layerButtons.size())
        return nullptr;
    QStringList names;
    for (const QToolButton* button : qAsConst(m_layerButtons))
        names.append(button->text());
    m_layerMenu->Fill(layer, names);
    QToolButton* button = m_layerButtons.at(layer);
    m_layerMenu->popup(button->mapToGlobal(QPoint(button->width(), 0)));
    return m_layerMenu;
}

void KeymapDialog::on_ldtKeySearch_textChanged(const QString& text)
{
    // Shown in place of the picker stack while the search field holds text.
    m_ui->skwKeyCode->setVisible(text.trimmed().isEmpty());
    m_pickers->SetFilter(text);
}

void KeymapDialog::on_ldtKeySearch_returnPressed()
{
    if (!m_pickers->Searching())
        return;
    const QVector<tdu2> matches = m_pickers->Search()->Matches();
    if (!matches.isEmpty())
        KeyPannelCodeClicked(matches.first());
}

bool KeymapDialog::KeymapCanTravel(const QString& refusal)
{
    if (!m_store->Loaded() || m_store->PayloadSize() == 0) {
        emit ResultShow(kFailure, tr("No keyboard layout is loaded."));
        return false;
    }
    // Over 112 keys the packets of one keymap can no longer be numbered.
    if (!m_store->KeymapTransferable()) {
        qCDebug(lcKeymap) << "Keymap Too Large" << m_store->PayloadSize();
        emit ResultShow(kFailure, refusal);
        return false;
    }
    return true;
}

void KeymapDialog::on_tbtnDownLoad_clicked()
{
    if (!KeymapCanTravel(tr("Keymap not read: this layout has more keys than one transfer can carry.")))
        return;
    const int keymap = m_store->CurrentKeymap();
    m_transfer->Download(keymap);
}

void KeymapDialog::on_tbtnCompare_clicked()
{
    if (!KeymapCanTravel(tr("Keymap not compared: this layout has more keys than one transfer can carry.")))
        return;
    const int keymap = m_store->CurrentKeymap();
    m_transfer->Compare(keymap);
}

void KeymapDialog::SetClient(CommandClient* client)
{
    m_transfer->SetClient(client);
    m_live->SetClient(client);
}

void KeymapDialog::SetModel(KeyboardModel* model)
{
    m_transfer->SetModel(model);
}

void KeymapDialog::ReadFromKeyboard()
{
    m_transfer->ReadFromKeyboard(m_store->CurrentKeymap());
}

bool KeymapDialog::KeymapKnown(int keymap) const
{
    return m_transfer->KeymapKnown(keymap);
}

void KeymapDialog::TakeKeyboardKeymaps()
{
    const QList<int> edited = m_store->UnsavedKeymaps();
    for (int keymap = 0; keymap < Protocol::kKeymapCount; ++keymap)
        m_transfer->MarkFromFile(keymap, false);
    if (edited.isEmpty())
        return;
    QStringList numbers;
    for (int keymap : edited)
        numbers.append(QString::number(keymap + 1));
    const bool keep = MessageBox::Question(this, tr("Keyboard Restored"),
                          tr("Keymaps %1 had edits that were not written to the keyboard. Keep them? With No, every "
                             "keymap shows what the keyboard now holds.")
                              .arg(numbers.join(QStringLiteral(", "))),
                          QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
    if (keep)
        return;
    // Back to what was last kept, so that the keyboard's keys replace it; each step can be undone
    // like any other. The view comes back to the keymap shown before.
    const int shown = m_store->CurrentKeymap();
    for (int keymap : edited) {
        const KeymapStore::KeymapCodes baseline = m_store->Baseline(keymap);
        RecordEdit(keymap, m_store->LayerOfKeymap(keymap), tr("Restore"),
            [this, keymap, baseline] { return m_store->ReplaceKeymap(keymap, baseline); });
    }
    m_keymapButtons.at(shown)->click();
}

void KeymapDialog::on_tbtnSave_clicked()
{
    SaveShownKeymap();
}

bool KeymapDialog::SaveShownKeymap()
{
    // A reply that arrives while the dialog is open may switch the page to another keymap; the
    // file gets the keymap that was shown when Save was pressed.
    const int keymap = m_store->CurrentKeymap();
    const KeymapFiles::Outcome outcome = KeymapFiles::Save(this, m_keyboardName, *m_store, keymap);
    if (outcome.done)
        SetBaseline(keymap);
    if (!outcome.text.isEmpty())
        emit ResultShow(outcome.done ? kSuccess : kFailure, outcome.text + ViewChangedNote(keymap));
    return outcome.done;
}

void KeymapDialog::on_tbtnChart_clicked()
{
    m_chart->FromMenu(m_ui->tbtnChart);
}

void KeymapDialog::SaveChart()
{
    m_chart->SaveAs();
}

void KeymapDialog::PrintChart()
{
    m_chart->Print();
}

void KeymapDialog::on_tbtnLoad_clicked()
{
    const int keymap = m_store->CurrentKeymap();
    const int layer = m_store->CurrentLayer();
    QString note;
    const KeymapFiles::Outcome outcome = KeymapFiles::Load(this, [&](const QString& path) {
        // Said before the step shows the keymap loaded into again.
        note = ViewChangedNote(keymap);
        KeymapFile::LoadResult result = KeymapFile::NotRead;
        // The step shows the keymap the file went into, on the layer shown when Open was pressed.
        RecordEdit(keymap, layer, tr("Open"), [&] {
            result = KeymapFile::Load(path, m_keyboardName, *m_store, keymap);
            return result == KeymapFile::Loaded;
        });
        return result;
    });
    if (outcome.done) {
        SetBaseline(keymap);
        m_transfer->MarkFromFile(keymap);
    }
    if (!outcome.text.isEmpty())
        emit ResultShow(outcome.done ? kSuccess : kFailure, outcome.text + note);
}

QString KeymapDialog::ViewChangedNote(int keymap) const
{
    const int shown = m_store->CurrentKeymap();
    if (shown == keymap)
        return QString();
    return QLatin1Char(' ') + tr("(Keymap %1 was read from the keyboard while the dialog was open.)").arg(shown + 1);
}

void KeymapDialog::on_tbtnUpLoad_clicked()
{
    if (!KeymapCanTravel(tr("Keymap not written: this layout has more keys than one transfer can carry.")))
        return;
    const int keymap = m_store->CurrentKeymap();
    // Writing replaces the whole keymap on the keyboard, also the keys nobody looked at.
    if (m_transfer->ReadsKeyboard() && !m_transfer->KeymapKnown(keymap) && m_transfer->LayoutFitsKeyboard()) {
        const QMessageBox::StandardButton answer = MessageBox::Warning(this, tr("Write Keymap"),
            tr("Keymap %1 was not read from the keyboard; writing replaces all of it with the keys shown here.")
                .arg(keymap + 1),
            QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel);
        if (answer != QMessageBox::Ok)
            return;
    }
    m_transfer->Upload(keymap);
}

void KeymapDialog::on_tbtnRevert_clicked()
{
    RecordEdit(m_store->CurrentKeymap(), m_store->CurrentLayer(), tr("Default"), [this] {
        m_store->RevertToDefault();
        return true;
    });
}

void KeymapDialog::on_tbtnClear_clicked()
{
    Assign(tr("Clear"), [this] { return m_store->SetCurrentKeyNull(); });
}

void KeymapDialog::KeyPannelKeyCapClicked(tdu1 row, tdu1 col)
{
    m_store->SelectKey(row, col);
    Repaint();
}

void KeymapDialog::TakeDownload(int keymap, const KeymapStore::KeymapCodes& codes)
{
    m_keymapButtons.at(keymap)->click();
    RecordEdit(keymap, 0, tr("Download"), [&] { return m_store->ReplaceKeymap(keymap, codes); });
    m_store->TakeBaseline(keymap);
    UpdateUnsaved();
    emit ResultShow(kSuccess, tr("Get Keyboard Keymap ") + QString::number(keymap + 1) + tr(" Success"));
}

void KeymapDialog::ShowKeymapChange(int keymap)
{
    if (m_store->CurrentKeymap() == keymap)
        Repaint();
    UpdateUnsaved();
}

void KeymapDialog::CompareWithKeyboard(int keymap, const KeymapStore::KeymapCodes& keyboard)
{
    if (m_diffOverlay == nullptr)
        return;
    // The comparison is of the keymap that was asked for, on the layer it shows.
    if (m_store->CurrentKeymap() != keymap) {
        const int layer = m_store->LayerOfKeymap(keymap);
        m_keymapButtons.at(keymap)->click();
        m_layerButtons.at(layer)->click();
    }
    const int layer = m_store->CurrentLayer();
    int elsewhere = 0;
    for (int other = 0; other < Protocol::kLayerCount; ++other) {
        if (other != layer)
            elsewhere += m_store->DifferingKeys(keymap, other, keyboard).size();
    }
    const int differing = m_diffOverlay->ShowDifferences(*m_pannel, *m_store, keymap, layer, keyboard);
    qCDebug(lcKeymap) << "Compare Keymap" << keymap << "Layer" << layer << differing << elsewhere;
    emit ResultShow(
        differing == 0 && elsewhere == 0 ? kSuccess : kWarning, KeymapDiffOverlay::Summary(differing, elsewhere));
}

QList<KeyCap*> KeymapDialog::CompareMarks() const
{
    return m_diffOverlay != nullptr ? m_diffOverlay->Marked() : QList<KeyCap*>();
}

void KeymapDialog::ClearCompareMarks()
{
    if (m_diffOverlay != nullptr)
        m_diffOverlay->Clear();
}

QString KeymapDialog::UnsavedEditsText() const
{
    const QList<int> keymaps = UnsavedKeymaps();
    QStringList numbers;
    for (int keymap : keymaps)
        numbers.append(QString::number(keymap + 1));
    const QString what = keymaps.size() == 1
        ? tr("Keymap %1 has edits that were neither written to the keyboard nor saved to a file.").arg(numbers.first())
        : tr("Keymaps %1 have edits that were neither written to the keyboard nor saved to a file.")
              .arg(numbers.join(QStringLiteral(", ")));
    return what + QStringLiteral("\n\n") + tr("Save before closing? Each keymap goes to a file of its own.");
}

bool KeymapDialog::SaveUnsavedKeymaps()
{
    for (int keymap : UnsavedKeymaps()) {
        // The user sees which keymap the dialog is for.
        if (m_store->CurrentKeymap() != keymap)
            m_keymapButtons.at(keymap)->click();
        if (!SaveShownKeymap())
            return false;
    }
    return true;
}

void KeymapDialog::SetBaseline(int keymap)
{
    m_store->TakeBaseline(keymap);
    UpdateUnsaved();
}

void KeymapDialog::UpdateUnsaved()
{
    const bool unsaved = HasUnsavedEdits();
    if (unsaved != m_unsaved) {
        m_unsaved = unsaved;
        emit UnsavedEditsChanged(unsaved);
    }
}

void KeymapDialog::Repaint()
{
    KeymapPannelView::Paint(*m_pannel, *m_store, *m_live, m_ui->lblKeyPannelTip);
}
