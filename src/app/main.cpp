#include "ui/app/startup.h"

int main(int argc, char** argv)
{
    return fin::ui::runFinanceiro(argc, argv);
}
