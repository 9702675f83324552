#include "shell/ShellServices.h"

#include "platform/Connection.h"
#include "platform/DbError.h"
#include "platform/MessageService.h"
#include "rarozidi/Func.h"

namespace plan::shell {

QString userRoot() { return rarozidi::GetUserRoot(); }

void openWindowConnection(Connection& connection) { rarozidi::FunConnection(connection); }

QString errorText(const std::exception& e)
{
    if (const auto* db = dynamic_cast<const DbError*>(&e)) return db->message();
    return QString::fromUtf8(e.what());
}

bool runHandler(const std::function<void()>& handler)
{
    try {
        handler();
        return true;
    } catch (const std::exception& e) {
        MessageService::show(errorText(e), MessageService::Kind::Error);
    } catch (...) {
        MessageService::show(QStringLiteral("Неизвестная ошибка"), MessageService::Kind::Error);
    }
    return false;
}

} // namespace plan::shell
