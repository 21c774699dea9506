#pragma once
// Users, their rights and their passwords.
#include "core/data/SaveResult.h"

#include <QString>

namespace velbrisk {

class Query;

inline constexpr const char* kManager = "经营主管";
inline constexpr const char* kAllRights = "经营报表，财务管理，参数设置";

// Passwords are kept as a salted hash; an empty password stays empty.
QString hashPassword(const QString& password);
// True when `typed` is the password kept as `stored`. A stored text that is
// no hash of ours (a file kept elsewhere) is compared as it stands.
bool passwordMatches(const QString& stored, const QString& typed);

// "经营报表，财务管理，参数设置" from the three boxes, in that order.
QString rightsText(bool reports, bool finance, bool settings);

struct UserInput {
    bool isNew = true;
    int editIndex = 0;
    QString name;
    QString password;     // as typed; empty keeps an empty password
    bool keepPassword = false;  // editing without typing a new password
    QString rights;
};

// Saves a user as the user window does; the manager's name is kept and its
// rights never rewritten.
SaveResult saveUser(Query& q, const UserInput& in);

}  // namespace velbrisk

namespace velbrisk {

struct LoginCheck {
    bool found = false;   // a user of that name exists
    bool matches = false; // and the password fits
    QString name;
    QString rights;
    bool emptyPassword = false;
};

LoginCheck checkLogin(Query& q, const QString& name, const QString& typed);

}  // namespace velbrisk
