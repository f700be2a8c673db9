#include "hostinfo/HostInfoHandlers.h"

#include "common/Controls.h"
#include "common/Export.h"
#include "common/HandlerEntry.h"
#include "hostinfo/HostIdentityFile.h"
#include "platform/HostIdentitySource.h"
#include "platform/Services.h"

#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace morvela {

HostInfoHandlers::HostInfoHandlers(QWidget *window, Services &services)
    : QObject(window), m_services(services), m_ip(control<QLineEdit>(window, "ip")),
      m_cname(control<QLineEdit>(window, "cname")) {
    connectClick(control<QPushButton>(window, "Command28"), this, &HostInfoHandlers::Command28_Click);
    connectClick(control<QPushButton>(window, "Command29"), this, &HostInfoHandlers::Command29_Click);
}

void HostInfoHandlers::refreshBoxes() {
    if (const std::optional<QString> address = m_services.host.localIP())
        m_ip->setText(*address);
    if (const std::optional<QString> name = m_services.host.localHostName())
        m_cname->setText(*name);
}

void HostInfoHandlers::Command28_Click() {
    refreshBoxes();
}

void HostInfoHandlers::Command29_Click() {
    runExport(m_services.dialogs, m_services.files,
              ExportJob{QStringLiteral("您确定要保存数据吗？"),
                        [this] {
                            refreshBoxes();
                            return hostIdentityFilePath();
                        },
                        [this] { return hostIdentityFileLines(m_ip->text(), m_cname->text()); },
                        QStringLiteral("资料已成功保存到D盘根目录！")});
}

} // namespace morvela
