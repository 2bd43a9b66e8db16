// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/web_commands.h"

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QPixmap>
#include <QWidget>

#include "core/document.h"
#include "core/settings_keys.h"
#include "core/translate.h"
#include "formats/file_io.h"
#include "platform/raster_image.h"
#include "shell/branding.h"
#include "shell/send_to.h"
#include "web/usage_counters.h"
#include "web/web_send.h"

namespace pixora {

WebCommands::WebCommands(SettingsStore& settings, UserInterface& ui, ShellHost& shell,
                         WebCommandHost host, const EditorActions& actions)
    : settings_(settings), ui_(ui), shell_(shell), host_(std::move(host)), actions_(actions) {}

void WebCommands::OpenAddress(const std::string& address) {
    if (host_.openAddress) {
        host_.openAddress(address);
    }
}

void WebCommands::mnuInternet_Click() {
    shell_.SetBusy(true);
    if (host_.confirmNotEmpty() && host_.tempWriter != nullptr) {
        const std::string tempFolder = host_.tempFolder();
        if (tempFolder.empty()) {
            ui_.MessageBox(TranslateText("Web", NoTempFolderText), ProductName,
                           MessageIcon::Warning, MessageButtons::Ok);
        } else {
            const std::optional<std::string> page =
                WriteWebSendPage(webContext_, host_.picture(), host_.text(), settings_, tempFolder,
                                 tempCounter_, *host_.tempWriter);
            if (page && host_.openDocument) {
                host_.openDocument(*page);
            }
        }
    }
    shell_.SetBusy(false);
}

void WebCommands::mnuOther_Click(OtherSend mode) {
    const std::string address = OtherSendAddress(webContext_, mode);
    if (address.empty()) {
        ui_.Beep();
        return;
    }
    OpenAddress(address);
}

void WebCommands::mnuOtherPartner_Click() {
    mnuOther_Click(OtherSend::Partner);
}

void WebCommands::mnuSendNGG_Click() {
    SendToSibling(settings_, ui_, shell_, host_.tempFolder(), tempCounter_, keys::Tamsel,
                  "Tamsel Editor");
}

void WebCommands::mnuSendNOL_Click() {
    SendToSibling(settings_, ui_, shell_, host_.tempFolder(), tempCounter_, keys::Vornik,
                  "Vornik Uploader");
}

void WebCommands::mnuSendToAdd_Click(int index) {
    QAction* item = actions_.mnuSendToAdd.at(static_cast<size_t>(index));
    const std::optional<SendToTarget> target =
        SplitSendToTag(item->property("tag").toString().toStdString());
    if (target) {
        SendToSibling(settings_, ui_, shell_, host_.tempFolder(), tempCounter_, target->section,
                      target->displayName);
    }
}

void WebCommands::LoadSendToEntries() {
    const auto entries = pixora::LoadSendToEntries(settings_);
    for (size_t i = 0; i < entries.size(); ++i) {
        QAction* item = actions_.mnuSendToAdd.at(i);
        item->setText(QString::fromStdString(entries[i].caption));
        item->setProperty("tag", QString::fromStdString(entries[i].tag));
        item->setEnabled(entries[i].usable);
        item->setVisible(entries[i].usable);
    }
}

void WebCommands::SetWebCommandsVisible(bool visible) {
    for (QAction* item : {actions_.mnuInternet, actions_.Toolbar1_Internet, actions_.mnuOtherSep,
                          actions_.mnuOtherSend->menuAction()}) {
        item->setVisible(visible);
    }
}

void WebCommands::ApplyBranding(const std::string& programFolder, QLabel* picBranding) {
    const std::optional<std::string> bytes =
        ReadWholeFile(programFolder + BrandingFileName, 1024 * 1024);
    const BrandingPlan plan = PlanBranding(bytes ? *bytes : std::string(), programFolder);
    if (plan.hideSmsSend) {
        actions_.mnuSend->setVisible(false);
        actions_.Toolbar1_Send->setVisible(false);
        if (host_.hideSmsSend) {
            host_.hideSmsSend();
        }
    }
    if (plan.showWebCommands) {
        SetWebCommandsVisible(*plan.showWebCommands);
    }
    // A picture that is missing or cannot be decoded leaves the room to the text box.
    std::optional<Raster> picture;
    if (!plan.backgroundPicPath.empty() && host_.loadImage) {
        picture = host_.loadImage(plan.backgroundPicPath);
    }
    if (picture && !picture->Empty() && picBranding != nullptr) {
        picBranding->setPixmap(QPixmap::fromImage(ImageFromRaster(*picture)));
        if (plan.backgroundPicX && plan.backgroundPicY) {
            // A position of its own takes the picture out of the layout.
            if (QLayout* layout = picBranding->parentWidget()->layout()) {
                layout->removeWidget(picBranding);
            }
            for (QLayout* row : picBranding->parentWidget()->findChildren<QLayout*>()) {
                row->removeWidget(picBranding);
            }
            picBranding->adjustSize();
            picBranding->move(*plan.backgroundPicX, *plan.backgroundPicY);
            picBranding->raise();
        }
        picBranding->setVisible(true);
    }
    webContext_.media = plan.media;
}

void WebCommands::mnuHelpInformation_Click() {
    shell_.SetBusy(true);
    ui_.MessageBox(TranslateText("Web", HelpInformationText), ProductName, MessageIcon::None,
                   MessageButtons::Ok);
    shell_.SetBusy(false);
}

void WebCommands::mnuHelpFAQ_Click() {
    OpenAddress(WebPageAddress(webContext_, WebPage::Faq));
}

void WebCommands::mnuNewsletter_Click() {
    OpenAddress(WebPageAddress(webContext_, WebPage::Newsletter));
}

void WebCommands::mnuHelpSamples_Click() {
    OpenAddress(WebPageAddress(webContext_, WebPage::Samples));
}

void WebCommands::mnuHelpUpdates_Click() {
    // The counters as they are at the moment of the click; the check itself counts nothing.
    OpenAddress(UpdateCheckAddress(webContext_, myGetCount(settings_)));
}

void WebCommands::lblURL_Click() {
    OpenAddress(WebPageAddress(webContext_, WebPage::Index));
}

}  // namespace pixora
