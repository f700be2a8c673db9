// SPDX-License-Identifier: GPL-3.0-or-later
#include "hostinfo/HostInfoHandlers.h"

#include "common/Controls.h"
#include "common/Export.h"
#include "common/HandlerEntry.h"
#include "hostinfo/HostIdentityFile.h"
#include "hostinfo/HostInfoPage.h"
#include "platform/HostIdentitySource.h"
#include "platform/Services.h"

#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace morvela {

HostInfoHandlers::HostInfoHandlers(QWidget *page, Services &services)
    : QObject(page), m_services(services), m_addressBox(control<QLineEdit>(page, hostinfopage::AddressBox)),
      m_nameBox(control<QLineEdit>(page, hostinfopage::NameBox)) {
    connectClick(control<QPushButton>(page, hostinfopage::FetchButton), this,
                 &HostInfoHandlers::Command28_Click);
    connectClick(control<QPushButton>(page, hostinfopage::SaveButton), this,
                 &HostInfoHandlers::Command29_Click);
}

void HostInfoHandlers::refreshBoxes() {
    if (const std::optional<QString> address = m_services.host.localIP())
        m_addressBox->setText(*address);
    if (const std::optional<QString> name = m_services.host.localHostName())
        m_nameBox->setText(*name);
}

void HostInfoHandlers::Command28_Click() {
    refreshBoxes();
}

void HostInfoHandlers::Command29_Click() {
    runExport(m_services.dialogs, m_services.files,
              ExportJob{u"您确定要保存数据吗？"_s,
                        [this] {
                            refreshBoxes();
                            return hostIdentityFilePath();
                        },
                        [this] { return hostIdentityFileLines(m_addressBox->text(), m_nameBox->text()); },
                        u"资料已成功保存到D盘根目录！"_s});
}

} // namespace morvela
