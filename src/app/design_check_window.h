#pragma once
// The findings of the design checks (those of `tessel check`) in a window.
// Check Design lists them and opens the editor sheet on the one the user
// chooses; before a download they come with "Download anyway" and "Cancel".
#include <QDialog>
#include <optional>
#include <vector>

#include "design/design_checks.h"

class QListWidget;

namespace tessel::ui {

class DesignCheckWindow : public QDialog {
    Q_OBJECT
public:
    enum class Purpose { Review, BeforeDownload };
    // What the user answered: closed it, chose a finding, or downloads.
    enum Answer { Closed = 0, OpenFinding, DownloadAnyway };

    DesignCheckWindow(std::vector<Finding> findings, Purpose purpose, QWidget* parent = nullptr);

    // The finding chosen to be opened in the sheet.
    const std::optional<Finding>& chosen() const { return chosen_; }

private:
    void openRow(int row);

    std::vector<Finding> findings_;
    QListWidget* list_;
    std::optional<Finding> chosen_;
};

}  // namespace tessel::ui
