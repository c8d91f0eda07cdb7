// A subject that writes by hand, for the check of tests/subject-sql.cmake to refuse.
void store(db::Database& work, const QString& port) {
    work.execute(u"UPDATE [Available Interfaces] SET [Control] = ?"_s, {port});
}
