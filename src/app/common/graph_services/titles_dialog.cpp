#include "app/common/graph_services/titles_dialog.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QScreen>

#include "app/common/display_text.h"
#include "engine/graphics/graph_window_settings.h"
#include "ui_titles_dialog.h"

namespace vostrel::app {

TForm_ChartTitles::TForm_ChartTitles(GraphTitleTarget& target, GraphWindowSettings& memory,
                                     QWidget* parent)
    : QDialog(parent), ui_(new Ui::TForm_ChartTitles), target_(target), memory_(memory) {
    ui_->setupUi(this);
    // The size boxes take an unsigned whole number of at most three digits.
    const auto* digits =
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}")), this);
    for (int i = 1; i <= 5; ++i) {
        QComboBox* box = SizeBox(i);
        box->lineEdit()->setMaxLength(3);
        box->setValidator(digits);
        connect(box, &QComboBox::editTextChanged, this, [this] { ApplySizes(); });
    }
    connect(ui_->Memo1, &QPlainTextEdit::textChanged, this, [this] { ApplyTitles(); });
    for (QLineEdit* edit : {ui_->Edit1, ui_->Edit2, ui_->Edit_Y2}) {
        connect(edit, &QLineEdit::textChanged, this, [this] { ApplyTitles(); });
    }
    connect(ui_->SpeedButton1, &QToolButton::clicked, this,
            [this] { ui_->Memo1->setPlainText(ToDisplayText(memory_.LastChartTitle)); });
    connect(ui_->SpeedButton2, &QToolButton::clicked, this,
            [this] { ui_->Edit1->setText(ToDisplayText(memory_.LastLeftTitle)); });
    connect(ui_->SpeedButton3, &QToolButton::clicked, this,
            [this] { ui_->Edit2->setText(ToDisplayText(memory_.LastBottomTitle)); });
    connect(ui_->BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui_->BitBtn2, &QPushButton::clicked, this, &QDialog::reject);

    openingTitles_ = target_.Titles();
    openingSizes_ = target_.Sizes();
    ShowTarget();
    ShowLastTextHints();
}

TForm_ChartTitles::~TForm_ChartTitles() { delete ui_; }

QComboBox* TForm_ChartTitles::SizeBox(int index) const {
    switch (index) {
        case 1:
            return ui_->ComboBox1;
        case 2:
            return ui_->ComboBox2;
        case 3:
            return ui_->ComboBox3;
        case 4:
            return ui_->ComboBox4;
        default:
            return ui_->ComboBox5;
    }
}

void TForm_ChartTitles::ShowTarget() {
    showing_ = true;
    ui_->Memo1->setPlainText(openingTitles_.Chart);
    ui_->Edit1->setText(openingTitles_.Left);
    ui_->Edit2->setText(openingTitles_.Bottom);
    const bool extra = target_.HasExtraAxis();
    ui_->Edit_Y2->setText(extra ? openingTitles_.Extra : QString());
    ui_->Edit_Y2->setVisible(extra);
    ui_->Label_Y2->setVisible(extra);
    const int sizes[] = {openingSizes_.ChartTitle, openingSizes_.LeftTitle,
                         openingSizes_.BottomTitle, openingSizes_.LeftLabels,
                         openingSizes_.BottomLabels};
    for (int i = 1; i <= 5; ++i) {
        const int size = sizes[i - 1];
        SizeBox(i)->setEditText(size > 0 ? QString::number(size) : QString());
    }
    showing_ = false;
}

void TForm_ChartTitles::ShowLastTextHints() {
    const QString hint = QStringLiteral("Last Text:\n");
    ui_->SpeedButton1->setToolTip(hint + ToDisplayText(memory_.LastChartTitle));
    ui_->SpeedButton2->setToolTip(hint + ToDisplayText(memory_.LastLeftTitle));
    ui_->SpeedButton3->setToolTip(hint + ToDisplayText(memory_.LastBottomTitle));
}

void TForm_ChartTitles::ApplyTitles() {
    if (showing_) return;
    GraphTitles titles;
    titles.Chart = ui_->Memo1->toPlainText();
    titles.Left = ui_->Edit1->text();
    titles.Bottom = ui_->Edit2->text();
    titles.Extra = target_.HasExtraAxis() ? ui_->Edit_Y2->text() : openingTitles_.Extra;
    target_.SetTitles(titles);
}

GraphTitleSizes TForm_ChartTitles::TypedSizes() const {
    auto size = [this](int index) { return SizeBox(index)->currentText().toInt(); };
    return {size(1), size(2), size(3), size(4), size(5)};
}

void TForm_ChartTitles::ApplySizes() {
    if (!showing_) target_.SetSizes(TypedSizes());
}

void TForm_ChartTitles::accept() {
    memory_.LastChartTitle = FromDisplayText(ui_->Memo1->toPlainText());
    memory_.LastLeftTitle = FromDisplayText(ui_->Edit1->text());
    memory_.LastBottomTitle = FromDisplayText(ui_->Edit2->text());
    QDialog::accept();
}

void TForm_ChartTitles::reject() {
    target_.SetTitles(openingTitles_);
    target_.SetSizes(openingSizes_);
    QDialog::reject();
}

void EditGraphTitles(GraphTitleTarget& target, GraphWindowSettings& memory, QWidget* parent) {
    TForm_ChartTitles dialog(target, memory, parent);
    dialog.adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = dialog.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        dialog.move(frame.topLeft());
    }
    dialog.exec();
}

}  // namespace vostrel::app
