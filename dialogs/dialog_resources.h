/* Resource ids of the dialogs' images; read by the resource compiler too. */
#ifndef KORVANTA_DIALOG_RESOURCES_H
#define KORVANTA_DIALOG_RESOURCES_H

/* The About dialog's logo, a 177 by 81 pixel JPEG. */
#define IDR_KORVANTA_LOGO 300
/* The pointing hand: the About dialog's icon and, over the link, its pointer. */
#define IDI_KORVANTA_HAND 301

#endif
