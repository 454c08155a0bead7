#include "app/application.h"

int main(int argc, char* argv[])
{
    return kelvor::runApplication(argc, argv);
}
