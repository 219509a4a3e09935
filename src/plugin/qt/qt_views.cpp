#include "plugin/qt/qt_views.h"

#include <QApplication>
#include <QCursor>

#include "manager/manager_dlg.h"
#include "manager/publication_details_dlg.h"
#include "manager/qt/manager_view.h"
#include "manager/qt/publication_details_view.h"
#include "manager/qt/supplement_number_view.h"
#include "manager/supplement_number_dlg.h"
#include "merge/annotations_dlg.h"
#include "merge/clipboard.h"
#include "merge/colour_dlg.h"
#include "merge/merge_data_dlg.h"
#include "merge/qt/annotations_view.h"
#include "merge/qt/colour_view.h"
#include "merge/qt/merge_data_view.h"
#include "merge/qt/qt_clipboard.h"
#include "plugin/host_message_boxes.h"
#include "plugin/logon_dlg.h"
#include "plugin/qt/logon_view.h"
#include "search/qt/search_results_view.h"
#include "search/qt/search_view.h"
#include "search/search_dlg.h"
#include "search/search_results_dlg.h"
#include "service/wait_cursor.h"
#include "ui/modal_dialog.h"
#include "ui/qt/progress_view.h"
#include "ui/qt/qt_message_boxes.h"
#include "ui/qt/widget_handle.h"
#include "usersettings/qt/settings_view.h"
#include "usersettings/settings_dlg.h"

namespace lumar {

void InstallQtViews() {
    // In a host that is no Qt program, the host's alerts carry the boxes.
    static HostMessageBoxes hostMessageBoxes;
    static ui::QtMessageBoxes messageBoxes(&hostMessageBoxes);
    static ui::QtProgressWindows progressWindows;
    static merge::QtClipboard clipboard;
    SetMessageBoxes(&messageBoxes);
    SetProgressWindows(&progressWindows);
    SetClipboard(&clipboard);
    SetPresenter<CSettingsDlg>(config::ShowSettingsDialog);
    SetPresenter<CLogonDlg>(plugin::ShowLogonDialog);
    SetManagerWindowFactory(manager::MakeManagerWindow);
    SetPresenter<CSupplementNumberDlg>(manager::ShowSupplementNumberDialog);
    SetPresenter<CPublicationDetailsDlg>(manager::ShowPublicationDetailsDialog);
    SetPresenter<CColourDlg>(merge::ShowColourDialog);
    SetPresenter<CMergeDataDlg>(merge::ShowMergeDataDialog);
    SetPresenter<CAnnotationsDlg>(merge::ShowAnnotationsDialog);
    SetPresenter<CSearchDlg>(search::ShowSearchDialog);
    SetPresenter<CSearchResultsDlg>(search::ShowSearchResultsDialog);
    SetWaitCursorHandler([](bool busy) {
        if (!ui::haveWidgets()) {
            return;
        }
        if (busy) {
            QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        } else {
            QApplication::restoreOverrideCursor();
        }
    });
}

}  // namespace lumar
