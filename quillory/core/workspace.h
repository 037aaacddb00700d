#pragma once
#include <QString>

namespace ql {

// Where the data tree lies: built once the data folder is prepared and the student has given a name.
// Every folder ends in '/'.
struct Workspace {
    QString working_folder;    // the data folder
    QString languages_folder;  // working_folder + "languages/"
    QString user_folder;       // working_folder + "users/" + student_name + "/"
    QString student_name;
};

// The workspace of a data folder (ending in '/') before a student is named.
Workspace workspace_of(const QString& working_folder);
// The same workspace for a named student.
Workspace with_student(Workspace w, const QString& student_name);

}  // namespace ql
