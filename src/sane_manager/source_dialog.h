#pragma once

#include "sane_manager/sane_devices.h"
#include "sane_manager/scan_settings.h"

#include <QDialog>
#include <functional>
#include <vector>

class QComboBox;
class QDoubleSpinBox;
class QFormLayout;
class QLabel;
class QPushButton;

namespace quillox::sane_manager {

// The source's own dialog: the device, its mode, resolution, scan area and, where it has a
// document feeder, where to scan from; Scan and Cancel. It only gathers the settings: what
// Scan and Cancel do is the source's.
class SourceDialog : public QDialog {
public:
    SourceDialog(const SaneDevice& device, const SaneOptions& options);

    std::function<void(const ScanSettings&)> onScan;
    std::function<void()> onCancel;

    ScanSettings Settings() const;
    // While the device scans only Cancel stays: it stops the scan.
    void ShowScanning();
    // Shows the dialog again with what went wrong, so that the user can try again or cancel.
    void ShowProblem(const QString& problem);

    // Cancel, Escape and the close box all come here.
    void reject() override;

private:
    void AddModes(const SaneOptions& options, const ScanSettings& current);
    void AddResolutions(const SaneOptions& options, const ScanSettings& current);
    void AddArea(const SaneOptions& options, const ScanSettings& current);
    void AddSources(const SaneOptions& options, const ScanSettings& current);
    void ChoosePageSize(int index);
    void MatchPageSize();

    QFormLayout* form_;
    QWidget* settings_;
    QPushButton* scan_;
    QComboBox* mode_ = nullptr;
    std::vector<ScanMode> modes_;
    QComboBox* resolution_ = nullptr;
    QComboBox* pageSize_ = nullptr;
    QDoubleSpinBox* width_ = nullptr;
    QDoubleSpinBox* height_ = nullptr;
    QComboBox* source_ = nullptr;
    QLabel* problem_;
};

} // namespace quillox::sane_manager
