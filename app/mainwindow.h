#pragma once

#include "app/projecthistory.h"
#include "editors/editorops.h"
#include "model/catalogue.h"
#include "model/records.h"

#include <QMainWindow>
#include <QString>
#include <QVector>
#include <memory>

class QAction;
class QJsonObject;
class QCloseEvent;
class QSessionManager;
class QTimer;
class RecoveryCopy;
class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QToolButton;
class QUndoStack;
class DevicePictureView;
class QMenu;
struct WiringSheet;

namespace Ui
{
class MainWindow;
}

// Exit code of the event loop that asks the entry to rebuild application and window.
extern const int EXIT_CODE_REBOOT;

// The program's one window. The editors are operations of this window; each
// editor's members live in editors/<type>editor.cpp, export, import and the
// report output in app/mainwindow_*.cpp.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // The 210-column report of the whole project.
    QString buildConfigurationReport() const;
    // Writes the report as a PDF (A4 landscape) to the given path; false, with
    // the system's reason in errorText, when it could not be written.
    bool writeReportPdf(const QString &path, QString &errorText) const;
    // What Import Project does with the file its dialog chose.
    void importProjectFile(const QString &path);
    // A file given on the command line: asked about unexported work first, then imported.
    void openProjectFile(const QString &path);
    // At a program's start: asks about the newest copy of unexported work that
    // a program which no longer runs left behind (app/mainwindow_recovery.cpp).
    void offerRecovery();
    // A signal ends the program: the work not exported waits in the recovery
    // copy for the next start, and the event loops end without a question.
    void endWithoutQuestion();

    // True when closing or importing would lose work: the project changed
    // since it was last exported or imported, and it holds a function.
    bool hasUnexportedWork() const;

protected:
    void closeEvent(QCloseEvent *event) override;
    // Watches the application for the end of the session (app/mainwindow_recovery.cpp).
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void slotReboot();
    void on_lightingButton_clicked();
    void on_shutterButton_clicked();
    void on_DigitalioButton_clicked();
    void on_LogicButton_clicked();
    void on_HomeButton_clicked();
    void on_AcInputButton_clicked();
    void on_CardHolderButton_clicked();
    void on_AirConButton_clicked();
    void on_DndMurButton_clicked();
    void on_listWidgetLighting_itemClicked(QListWidgetItem *item);
    void on_pushButtonLightingSave_clicked();
    int on_SettingsButton_clicked();
    void on_pushButtonLightingDelete_clicked();
    void on_stackedWidget_currentChanged(int arg1);
    void on_ExportButton_clicked();
    void on_ImportButton_clicked();
    void on_actionImport_Project_triggered();
    void on_actionExport_Project_triggered();
    void on_actionExit_triggered();
    void on_listWidget_Shutter_itemClicked(QListWidgetItem *item);
    void on_pushButtonShutterSave_clicked();
    void on_pushButtonShutterDelete_clicked();
    void on_pushButtonDigitalIOSave_clicked();
    void on_listWidget_Dgitialio_itemClicked(QListWidgetItem *item);
    void on_pushButtonDigitalIODelete_clicked();
    void on_listWidget_Logic_itemClicked(QListWidgetItem *item);
    void on_pushButtonLogicSave_clicked();
    void on_pushButtonLogicDelete_clicked();
    void on_pushButtonACInputSave_clicked();
    void on_pushButtonACInputDelete_clicked();
    void on_pushButtonCardHolderSave_clicked();
    void on_pushButtonCardHolderDelete_clicked();
    void on_listWidget_CardHolder_itemClicked(QListWidgetItem *item);
    void on_listWidget_Acinput_itemClicked(QListWidgetItem *item);
    void on_pushButtonAirConSave_clicked();
    void on_pushButtonAirConDelete_clicked();
    void on_listWidget_AirCon_itemClicked(QListWidgetItem *item);
    void on_pushButtonDNDMURSave_clicked();
    void on_pushButtonDNDMURDelete_clicked();
    void on_listWidget_DndMur_itemClicked(QListWidgetItem *item);
    void on_PrintButton_clicked();
    void on_actionPrint_Project_triggered();
    void on_MasterOffButton_clicked();
    void on_pushButtonMasterOffSave_clicked();
    void on_pushButtonMasterOffDelete_clicked();
    void on_listWidget_MasterOff_itemClicked(QListWidgetItem *item);
    void on_WelcomeButton_clicked();
    void on_pushButtonWelcomeSave_clicked();
    void on_pushButtonWelcomeDelete_clicked();
    void on_listWidget_Welcome_itemClicked(QListWidgetItem *item);
    void on_checkBox_CardHolderEnableDisable_toggled(bool checked);
    void on_checkBox_EnergySavingPresenceSensorEnableDisable_toggled(bool checked);
    void on_checkBox_BalconySensorEnableDisable_toggled(bool checked);
    void on_checkBox_MotionSensorAirConEnableDisable_toggled(bool checked);
    void on_comboBox_AirConOutputControlType_currentIndexChanged(int index);
    void on_comboBox_PlatformType_currentIndexChanged(int index);
    void on_checkBox_LightingOutputC1_stateChanged(int arg1);
    void on_checkBox_LightingOutputC2_stateChanged(int arg1);
    void on_checkBox_LightingOutputC3_stateChanged(int arg1);
    void on_checkBox_LightingOutputC4_stateChanged(int arg1);
    void on_checkBox_LightingOutputC5_stateChanged(int arg1);
    void on_checkBox_LightingOutputC6_stateChanged(int arg1);
    void on_checkBox_LightingOutputC7_stateChanged(int arg1);
    void on_checkBox_LightingOutputC8_stateChanged(int arg1);
    void on_comboBox_LightingControlType_currentIndexChanged(int index);

private:
    // Navigation
    void showPageFromButton(int page);
    void updatePageButtons(int page);
    void showHomePage();
    void returnToHomePage();
    // Calls the show operation of editor page 1..10; other pages do nothing.
    void showEditorPage(int page);
    void openListItem(QListWidgetItem *item, int page);

    // Keyboard and screen reader (app/mainwindow_access.cpp)
    void setUpAccessibility();
    void setReadingTabOrder();
    void addPageShortcuts();
    void openPageFromKeyboard(int page);
    // A page button pressed with Space (it has focus, which a click does not
    // give it) takes the keyboard on to the page's first field.
    void focusPageAfterKeyboardClick(int page);
    void focusFirstField(int page);

    Platform currentPlatform() const;

    // Clear all and platform type
    void refillAllChoices();
    void applyPlatform(Platform platform);

    // Lighting editor
    void fillLightingChoices(int keepIndex);
    void showLightingPage();
    void setLightingOutputEnabled(int id, bool enabled);
    EditorOps::OutputBoxes lightingOutputBoxes() const;
    bool lightingIsOnOff() const;
    void applyLightingClaimRule(const OutputEntry &entry);
    void applyLightingClaimRules();
    void applyLightingSingleOutputRule();
    void onLightingOutputToggled(int id, int state);
    void resetLightingForm();
    LightingRecord lightingRecordFromForm() const;

    // Welcome editor
    void fillWelcomeChoices();
    void showWelcomePage();
    void setWelcomeOutputEnabled(int id, bool enabled);
    EditorOps::OutputBoxes welcomeOutputBoxes() const;
    void resetWelcomeForm();
    WelcomeRecord welcomeRecordFromForm() const;

    // Master Off editor
    void fillMasterOffChoices(int keepInputIndex, int keepLedIndex);
    void showMasterOffPage();
    void setMasterOffOutputEnabled(int id, bool enabled);
    EditorOps::OutputBoxes masterOffOutputBoxes() const;
    void resetMasterOffForm();
    MasterOffRecord masterOffRecordFromForm() const;

    // Shutter/Blind editor
    void fillShutterChoices(int keepUpInput, int keepUpOutput, int keepDownInput,
                            int keepDownOutput);
    void showShutterPage();
    void resetShutterForm();
    ShutterRecord shutterRecordFromForm() const;

    // Digital I/O editor
    void fillDigitalIOChoices(int keepInput, int keepOutput);
    void showDigitalIOPage();
    void resetDigitalIOForm();
    DigitalIORecord digitalIORecordFromForm() const;

    // Logic editor
    void fillLogicChoices(int keepInput1, int keepInput2, int keepInput3, int keepOutput);
    void showLogicPage();
    void resetLogicForm();
    LogicRecord logicRecordFromForm() const;

    // Voltage Input editor
    void fillVoltageInputChoices(int keepInput, int keepOutput);
    void showVoltageInputPage();
    void resetVoltageInputForm();
    VoltageInputRecord voltageInputRecordFromForm() const;

    // Energy Saving editor
    void fillEnergySavingChoices(int selectedIndex);
    void showEnergySavingPage();
    void resetEnergySavingForm();
    EnergySavingRecord energySavingRecordFromForm() const;

    // Air Conditioner editor
    void fillAirConChoices(int balconySelectedIndex, int outputSelectedIndex);
    void showAirConPage();
    void resetAirConForm();
    void resetAirConBalconySettings();
    void resetAirConMotionSettings();
    AirConRecord airConRecordFromForm() const;

    // DND/MUR editor
    void fillDndMurChoices(int keepDndInput, int keepDndOutput, int keepMurInput, int keepMurOutput,
                           int keepBell, int keepOccupancy);
    void showDndMurPage();
    void resetDndMurForm();
    DndMurRecord dndMurRecordFromForm() const;

    // Keep Master Off and Welcome off outputs that no function uses any more.
    void pruneMasterOffOutputs(int outputId);
    void pruneWelcomeOutputs(int outputId);
    void pruneReleasedOutputs(const ClaimSet &released);
    // The Delete of a page: removes the function of the list's current row,
    // then prunes the outputs it freed. False when no row is current.
    template <typename Record>
    bool deleteCurrentFunction(FunctionStore<Record> &store, QListWidget *list);

    // Unexported work and the window title (app/mainwindow_state.cpp)
    void noteProjectChanged();
    // Whatever follows hasUnexportedWork(): the title's marker and the recovery copy.
    void unexportedWorkChanged();
    // Asks before unexported work is dropped; true when the project may go.
    bool mayDiscardProject();
    // After an export or import: the title names the file, nothing unexported.
    void showProjectFile(const QString &path);
    // Clear all and platform change: the form's own title.
    void showPlainTitle();
    // The file the title names; empty for none.
    QString titleFilePath() const;
    // Its name, or "Untitled".
    QString titleFileName() const;
    void updateTitle();

    // Undo and redo (app/mainwindow_history.cpp): one step per user action
    // that changed the project, whatever it caused.
    void setUpHistory();
    // The history moved or was marked exported.
    void historyMoved();
    ShownProject shownProject() const;
    // A user action ended: a step named text when it changed the project,
    // whose undo and redo show page in its new-item state (0: Home).
    void endStep(const QString &text, int page);
    void showStep(const ShownProject &state, int page);
    void showStepPage(int page);
    // Import: the project read is where the history starts.
    void startHistory();

    // Project file (app/mainwindow_project.cpp)
    // True when the project file was written (its PDF may have failed).
    bool exportProject();
    // The open project as export writes it now.
    QJsonObject projectDocument() const;
    // Checks the file, then replaces the project by it; false, after the
    // box saying why, when the file is refused and the project kept.
    bool loadProjectFile(const QString &path);
    // Shows how the open project differs from a project file the user picks;
    // the project stays as it is.
    void compareWithFile();

    // The recovery copy of unexported work (app/mainwindow_recovery.cpp)
    void setUpRecovery();
    // The one place that decides whether the copy must exist: it follows
    // hasUnexportedWork(), written at most recoveryDelay after a change,
    // removed at once when nothing unexported is left.
    void updateRecoveryCopy();
    void writeRecoveryCopy();
    // The user chose to drop the unexported work.
    void discardRecoveryCopy();
    void offerDamagedCopy(std::unique_ptr<RecoveryCopy> copy);
    void recoverProject(std::unique_ptr<RecoveryCopy> copy);
    void showRecoveryFailure(const QString &errorText);
    // Why no copy can be kept, in the status bar; empty: a copy was kept.
    void showRecoveryProblem(const QString &errorText);
    // The session manager asks before a logout.
    void commitSessionData(QSessionManager &manager);

    // The File menu's entries beside the form's, and Open Recent (app/mainwindow_files.cpp)
    void setUpFileMenu();
    // Fills Open Recent from the list that every running program shares.
    void showRecentFiles();
    void openRecentFile(const QString &path);
    // A file exported or imported: first in Open Recent and the desktop's list.
    void rememberProjectFile(const QString &path);
    QMenu *recentMenu = nullptr;

    // Report output (app/mainwindow_report.cpp)
    void previewReport();

    // The Home page's terminal picture and the wiring sheet (app/mainwindow_wiring.cpp)
    void setUpWiring();
    void exportWiringSheet();
    void previewWiringSheet();
    // The sheet of the open project; its heading names fileName.
    WiringSheet wiringSheet(const QString &fileName) const;
    DevicePictureView *devicePicture = nullptr;

    Ui::MainWindow *ui;
    QAction *restartAction;
    QString versionText;
    QVector<QToolButton *> pageButtons;
    bool welcomeItemSelected;
    bool masterOffItemSelected;
    bool lightingItemSelected;
    bool shutterItemSelected;
    bool digitalIOItemSelected;
    bool logicItemSelected;
    bool voltageInputItemSelected;
    bool energySavingItemSelected;
    bool airConItemSelected;
    bool dndMurItemSelected;
    int platformChangeByProgram;
    QString plainTitle;
    QString shownFilePath; // the file last exported or imported, empty when none
    bool fileLeft = false; // cleared or put on another platform since: the title names no file
    // Clean where the project was last exported or imported (or at start).
    QUndoStack *history = nullptr;
    ShownProject recorded;                  // as the last step, undo or redo left it
    bool projectChanged = false;            // since then
    QString stepName;                       // the function named when a Save or Delete was pressed
    std::unique_ptr<RecoveryCopy> recovery; // this program's place; null when it has none
    QTimer *recoveryTimer = nullptr;
    QTimer *heartbeatTimer = nullptr;
    QLabel *recoveryProblem = nullptr;
    // Set when a signal ends the program: the copy stays as it was then.
    bool recoveryFrozen = false;
    // The user has answered for the work as it is, for a logout; a change asks anew.
    bool endAgreed = false;
};

template <typename Record>
bool MainWindow::deleteCurrentFunction(FunctionStore<Record> &store, QListWidget *list)
{
    ClaimSet released;
    if (!EditorOps::removeCurrentRecord(store, list, released))
        return false;
    pruneReleasedOutputs(released);
    return true;
}
