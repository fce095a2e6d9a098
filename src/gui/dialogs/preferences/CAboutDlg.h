#pragma once

#include <QDialog>
#include <QUrl>

#include <functional>

class QLabel;

namespace belvane {

// The about box (dialog 100): the program's version ("1000"), its web site
// ("1190") and its support address ("1189") as blue links that the desktop
// opens (the address as "mailto:"), and OK ("1"). A line whose address is
// empty is hidden.
class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    // With the version and addresses of the build.
    explicit CAboutDlg(QWidget* parent = nullptr);
    CAboutDlg(const QString& version, const QString& webSite, const QString& support,
              QWidget* parent = nullptr);

    // Opens the links; by default QDesktopServices, whose failures are ignored.
    static void SetUrlOpener(std::function<void(const QUrl&)> opener);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* m_webSite = nullptr;
    QLabel* m_support = nullptr;
};

}  // namespace belvane
