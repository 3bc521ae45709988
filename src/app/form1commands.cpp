#include "app/form1.h"

// The organize list's commands; filled in with the Load and Organize commands.
void Form1::SetUpList() {}
void Form1::cmdLoad_Click() {}
void Form1::cmdOrganize_Click() {}
void Form1::cmdMediaBrowse_Click() {}
void Form1::cmdOutBrowse_Click() {}
void Form1::cmdEdit_Click() {}
void Form1::cmdRemove_Click() {}
bool Form1::BusyCancel()
{
    return false;
}
