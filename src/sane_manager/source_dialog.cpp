#include "sane_manager/source_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace quillox::sane_manager {

using namespace twain;

namespace {

struct PageSize {
    const char* name;
    double width;
    double height;
};

constexpr PageSize pageSizes[] = {
    {"A4 (210 x 297 mm)", 210, 297},       {"A5 (148 x 210 mm)", 148, 210},
    {"A6 (105 x 148 mm)", 105, 148},       {"Letter (8.5 x 11 in)", 215.9, 279.4},
    {"Legal (8.5 x 14 in)", 215.9, 355.6}, {"Business card (85 x 55 mm)", 85, 55},
};

// The resolutions offered where the device takes any in a range.
constexpr int usualResolutions[] = {75, 100, 150, 200, 300, 400, 600, 1200};

QString modeName(TW_INT16 pixelType) {
    switch (pixelType) {
    case TWPT_RGB:
        return "Colour";
    case TWPT_GRAY:
        return "Gray";
    default:
        return "Black and white";
    }
}

QString areaText(double width, double height) {
    return QString("Whole glass (%1 x %2 mm)").arg(std::round(width)).arg(std::round(height));
}

} // namespace

SourceDialog::SourceDialog(const SaneDevice& device, const SaneOptions& options)
    : form_(new QFormLayout), settings_(new QWidget(this)), problem_(new QLabel(this)) {
    setWindowTitle("Scan");
    auto* name = new QLabel(QString("<b>%1 %2</b><br>%3")
                                .arg(QString::fromStdString(device.vendor).toHtmlEscaped(),
                                     QString::fromStdString(device.model).toHtmlEscaped(),
                                     QString::fromStdString(device.name).toHtmlEscaped()),
                            this);
    const ScanSettings current = currentSettings(options);
    AddModes(options, current);
    AddResolutions(options, current);
    AddArea(options, current);
    AddSources(options, current);
    problem_->setObjectName("problem");
    problem_->setWordWrap(true);
    problem_->hide();
    auto* buttons = new QDialogButtonBox(this);
    scan_ = buttons->addButton("&Scan", QDialogButtonBox::AcceptRole);
    scan_->setObjectName("scan");
    scan_->setDefault(true);
    buttons->addButton(QDialogButtonBox::Cancel)->setObjectName("cancel");
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        problem_->hide();
        if (onScan)
            onScan(Settings());
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &SourceDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(name);
    form_->setContentsMargins(0, 0, 0, 0);
    settings_->setLayout(form_);
    layout->addWidget(settings_);
    layout->addWidget(problem_);
    layout->addWidget(buttons);
}

void SourceDialog::AddModes(const SaneOptions& options, const ScanSettings& current) {
    modes_ = availableModes(options);
    if (modes_.empty())
        return;
    mode_ = new QComboBox(this);
    mode_->setObjectName("mode");
    for (const ScanMode& mode : modes_) {
        mode_->addItem(modeName(mode.pixelType));
        if (current.mode && current.mode->pixelType == mode.pixelType)
            mode_->setCurrentIndex(mode_->count() - 1);
    }
    form_->addRow("&Mode:", mode_);
}

void SourceDialog::AddResolutions(const SaneOptions& options, const ScanSettings& current) {
    std::vector<double> choices = options.numberChoices("resolution");
    if (const std::optional<NumberRange> range = options.range("resolution"))
        for (const int dpi : usualResolutions)
            if (dpi >= range->minimum && dpi <= range->maximum)
                choices.push_back(dpi);
    if (current.resolution &&
        std::find(choices.begin(), choices.end(), *current.resolution) == choices.end())
        choices.push_back(*current.resolution);
    if (choices.empty())
        return;
    std::sort(choices.begin(), choices.end());
    resolution_ = new QComboBox(this);
    resolution_->setObjectName("resolution");
    for (const double dpi : choices) {
        resolution_->addItem(QString("%1 dpi").arg(dpi), dpi);
        if (current.resolution == dpi)
            resolution_->setCurrentIndex(resolution_->count() - 1);
    }
    form_->addRow("&Resolution:", resolution_);
}

void SourceDialog::AddArea(const SaneOptions& options, const ScanSettings& current) {
    const std::optional<ScanArea> largest = largestArea(options);
    if (!largest || !current.area)
        return;
    pageSize_ = new QComboBox(this);
    pageSize_->setObjectName("pageSize");
    pageSize_->addItem(areaText(largest->width, largest->height),
                       QSizeF(largest->width, largest->height));
    for (const PageSize& size : pageSizes)
        if (size.width <= largest->width + 0.5 && size.height <= largest->height + 0.5)
            pageSize_->addItem(size.name, QSizeF(size.width, size.height));
    pageSize_->addItem("Custom");
    const auto spinBox = [this](const char* name, double limit, double value) {
        auto* box = new QDoubleSpinBox(this);
        box->setObjectName(name);
        box->setDecimals(1);
        box->setRange(1, limit);
        box->setSuffix(" mm");
        box->setValue(value);
        connect(box, &QDoubleSpinBox::valueChanged, this, &SourceDialog::MatchPageSize);
        return box;
    };
    width_ = spinBox("width", largest->width, current.area->width);
    height_ = spinBox("height", largest->height, current.area->height);
    connect(pageSize_, &QComboBox::currentIndexChanged, this, &SourceDialog::ChoosePageSize);
    MatchPageSize();
    form_->addRow("&Page size:", pageSize_);
    form_->addRow("&Width:", width_);
    form_->addRow("&Height:", height_);
}

void SourceDialog::AddSources(const SaneOptions& options, const ScanSettings& current) {
    const std::vector<std::string> sources = options.choices("source");
    if (sources.size() < 2)
        return;
    source_ = new QComboBox(this);
    source_->setObjectName("source");
    for (const std::string& source : sources) {
        source_->addItem(QString::fromStdString(source));
        if (current.source == source)
            source_->setCurrentIndex(source_->count() - 1);
    }
    form_->addRow("Scan &from:", source_);
}

void SourceDialog::ChoosePageSize(int index) {
    const QSizeF size = pageSize_->itemData(index).toSizeF();
    if (size.isEmpty())
        return;
    const QSignalBlocker widthBlocker(width_);
    const QSignalBlocker heightBlocker(height_);
    width_->setValue(size.width());
    height_->setValue(size.height());
}

// The page size that the width and height make, or Custom.
void SourceDialog::MatchPageSize() {
    const QSizeF chosen(width_->value(), height_->value());
    int match = pageSize_->count() - 1;
    for (int i = 0; i < pageSize_->count() - 1; ++i) {
        const QSizeF size = pageSize_->itemData(i).toSizeF();
        if (std::abs(size.width() - chosen.width()) < 0.5 &&
            std::abs(size.height() - chosen.height()) < 0.5) {
            match = i;
            break;
        }
    }
    pageSize_->setCurrentIndex(match);
}

ScanSettings SourceDialog::Settings() const {
    ScanSettings settings;
    if (mode_ && mode_->currentIndex() >= 0)
        settings.mode = modes_[std::size_t(mode_->currentIndex())];
    if (resolution_)
        settings.resolution = resolution_->currentData().toDouble();
    if (width_)
        settings.area = ScanArea{width_->value(), height_->value()};
    if (source_)
        settings.source = source_->currentText().toStdString();
    return settings;
}

void SourceDialog::ShowScanning() {
    settings_->setEnabled(false);
    scan_->setEnabled(false);
    problem_->setStyleSheet({});
    problem_->setText("Scanning...");
    problem_->show();
}

void SourceDialog::ShowProblem(const QString& problem) {
    settings_->setEnabled(true);
    scan_->setEnabled(true);
    problem_->setStyleSheet("color: #b00000");
    problem_->setText(problem);
    problem_->show();
    show();
}

void SourceDialog::reject() {
    hide();
    if (onCancel)
        onCancel();
}

} // namespace quillox::sane_manager
