// The program vornal: its one application object and its start.
#include "CVornalApp.h"
#include "app/AfxWinMain.h"

CVornalApp theApp;

int main(int argc, char** argv)
{
    return AfxWinMain(argc, argv);
}
