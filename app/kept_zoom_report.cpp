// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/kept_zoom_report.h"

#include <QFile>

#include <cerrno>
#include <cstring>

namespace tavrimo {

QString zoomNotKeptLine(Language language, int zoom, const std::string& path, const WriteResult& why)
{
    const bool arabic = language == Language::Arabic;
    const QString file = QFile::decodeName(QByteArray::fromStdString(path));
    QString reason;
    switch (why.reason) {
    case WriteResult::Reason::NoFolder:
        reason = arabic ? QStringLiteral("لا يعطي XDG_CONFIG_HOME ولا HOME مجلدًا صالحًا")
                        : QStringLiteral("neither XDG_CONFIG_HOME nor HOME names a usable folder");
        break;
    case WriteResult::Reason::NotOurs:
        reason = (arabic ? QStringLiteral("%1 ليس ملفًا كتبه tavrimo، فيُترك كما هو")
                         : QStringLiteral("%1 is not a file tavrimo wrote, and is left as it is"))
                     .arg(file);
        break;
    case WriteResult::Reason::ReadOnly:
        reason = (arabic ? QStringLiteral("%1 للقراءة فقط") : QStringLiteral("%1 is read-only")).arg(file);
        break;
    case WriteResult::Reason::SystemError:
    case WriteResult::Reason::Written:
        reason = file + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(why.error ? why.error : EIO));
        break;
    }
    return (arabic ? QStringLiteral("tavrimo: لم يُحفظ التكبير %1 % للمرة القادمة: %2")
                   : QStringLiteral("tavrimo: the zoom of %1 % is not kept for the next run: %2"))
        .arg(zoom)
        .arg(reason);
}

}  // namespace tavrimo
