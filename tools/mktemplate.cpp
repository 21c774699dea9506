// Builds the empty data file a new venue starts from: every table, its
// indexes, the reserved rows and the starting accounts and word lists.
#include "core/data/Database.h"
#include "core/data/Schema.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: mktemplate OUTPUT.mdb\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    if (QFileInfo::exists(path)) {
        std::fprintf(stderr, "mktemplate: %s exists; not overwriting it\n", argv[1]);
        return 1;
    }
    try {
        velbrisk::Connection c;
        c.create(path);
        velbrisk::createSchema(c);
        c.close();
    } catch (const velbrisk::Failure& e) {
        std::fprintf(stderr, "mktemplate: %s\n", e.message().toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
