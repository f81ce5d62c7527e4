#pragma once
// The segment editor: one storey's valve, horizontal branch and shaft part; adds new storeys and
// edits one segment or a group of them. Created once and reused: every caller sets State first.

#include "catalogs/valves.h"
#include "core/notifier.h"
#include "exhaust/network_ops.h"

#include <QDialog>

#include <memory>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QToolButton;

namespace orvane::exhaust {

class TFormShaftSegment : public QDialog {
    Q_OBJECT
public:
    explicit TFormShaftSegment(QWidget *parent = nullptr);
    ~TFormShaftSegment() override;

    // What the window hands in before showing and reads back after OK.
    SegmentEditorState State;
    SmokeValveCatalog ValveCatalog;

    // Messages of OK's check; a message box unless replaced (tests record them).
    void SetNotifier(Notifier *notifier);

    void FormActivate();
    void OKBtnClick();
    void BuildValveFilter();
    void BuildValveList();
    void cbValveWHChange(int index);
    void cbValveSizeChange(int index);
    void rbStoreysClick();

    // One of the duct parts: title, material choice with its "Изменить" box, the four fields.
    struct DuctPart {
        QLabel *Title = nullptr;
        QWidget *MaterialPanel = nullptr;
        QGroupBox *gbMaterial = nullptr;
        QButtonGroup *Materials = nullptr;
        QCheckBox *cbChange = nullptr;
        QWidget *Params = nullptr;
        QLineEdit *EditA = nullptr;
        QLineEdit *EditB = nullptr;
        QLineEdit *EditL = nullptr;
        QLineEdit *EditZ = nullptr;
        QToolButton *ButtonZ = nullptr;
    };

    QLineEdit *EditStoreyName;
    QWidget *PanelValve;
    QRadioButton *rbValveAll;
    QRadioButton *rbValveByWidth;
    QRadioButton *rbValveByHeight;
    QComboBox *cbValveWH;
    QComboBox *cbValveSize;
    QLabel *LabValveArea;
    QLabel *LabValveAreaUnit;
    QLabel *LabValveZ;
    QWidget *PanelNodeZ;
    QLineEdit *EditNodeZ;
    QToolButton *ButtonValveZ;
    QMenu *PopupMenuValveZ;
    QWidget *PanelStoreys;
    QRadioButton *rbStoreysAll;
    QRadioButton *rbStoreysCurrent;
    QRadioButton *rbStoreysList;
    QLineEdit *EditStoreys;
    DuctPart Hor;
    DuctPart Vert;
    QWidget *PanelNewStoreys;
    QSpinBox *SpinNewStoreys;
    QPushButton *OKBtn;
    QPushButton *CancelBtn;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    DuctPart MakeDuctPart(const QString &prefix, const QString &title, const QString &zCaption);
    void ShowDuctPart(DuctPart &part, bool enabled, double a, double b, double l, double z,
                      const std::string &material);
    void ReadDuctPart(const DuctPart &part, double &a, double &b, double &l, double &z,
                      std::string &material) const;
    void SelectMaterial(DuctPart &part, const QString &name);
    // The editor's number fields with their rows of kSegmentValues (the ranges a project
    // file's segment values have); only the parts the editor shows are read.
    struct NumberField {
        QLineEdit *edit;
        const SegmentValueSpec *value;
        bool read;
    };
    std::vector<NumberField> NumberFields() const;
    void MaterialChangeClick(DuctPart &part);
    void AddCoefficient(QLineEdit *field);
    void SetNodeCoefficient(const QString &text);

    std::unique_ptr<Notifier> ownNotifier_;
    Notifier *notifier_ = nullptr;
    bool building_ = false;
};

} // namespace orvane::exhaust
