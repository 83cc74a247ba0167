; SPDX-License-Identifier: GPL-3.0-or-later
; The installer's own texts in the editor's six languages (NSIS's language files hold the
; rest). $R0 is a folder, $R1 a version.

LangString START_EDITOR ${LANG_ENGLISH} "Start kvrdesk"
LangString START_EDITOR ${LANG_GERMAN} "kvrdesk starten"
LangString START_EDITOR ${LANG_ITALIAN} "Avvia kvrdesk"
LangString START_EDITOR ${LANG_SPANISH} "Iniciar kvrdesk"
LangString START_EDITOR ${LANG_FRENCH} "Lancer kvrdesk"
LangString START_EDITOR ${LANG_DUTCH} "kvrdesk starten"

LangString EDITOR_RUNNING ${LANG_ENGLISH} "kvrdesk is running. Close it (saving what you want to keep), then try again."
LangString EDITOR_RUNNING ${LANG_GERMAN} "kvrdesk läuft noch. Schließen Sie es (und sichern Sie, was Sie behalten möchten), dann versuchen Sie es erneut."
LangString EDITOR_RUNNING ${LANG_ITALIAN} "kvrdesk è in esecuzione. Chiudilo (salvando ciò che vuoi conservare), poi riprova."
LangString EDITOR_RUNNING ${LANG_SPANISH} "kvrdesk se está ejecutando. Ciérrelo (guardando lo que quiera conservar) y vuelva a intentarlo."
LangString EDITOR_RUNNING ${LANG_FRENCH} "kvrdesk est en cours d'exécution. Fermez-le (en enregistrant ce que vous voulez garder), puis réessayez."
LangString EDITOR_RUNNING ${LANG_DUTCH} "kvrdesk is nog actief. Sluit het (en bewaar wat u wilt houden) en probeer het dan opnieuw."

LangString REPLACE_INSTALLATION ${LANG_ENGLISH} "kvrdesk $R1 is installed in $R0.$\r$\n$\r$\nSetup replaces it: it uninstalls that installation first. Your settings (kvrdesk.set, kvrdesk.ini) are kept."
LangString REPLACE_INSTALLATION ${LANG_GERMAN} "kvrdesk $R1 ist in $R0 installiert.$\r$\n$\r$\nDas Setup ersetzt diese Installation: Es deinstalliert sie zuerst. Ihre Einstellungen (kvrdesk.set, kvrdesk.ini) bleiben erhalten."
LangString REPLACE_INSTALLATION ${LANG_ITALIAN} "kvrdesk $R1 è installato in $R0.$\r$\n$\r$\nL'installazione lo sostituisce: prima disinstalla quell'installazione. Le tue impostazioni (kvrdesk.set, kvrdesk.ini) vengono conservate."
LangString REPLACE_INSTALLATION ${LANG_SPANISH} "kvrdesk $R1 está instalado en $R0.$\r$\n$\r$\nEl instalador lo sustituye: primero desinstala esa instalación. Sus ajustes (kvrdesk.set, kvrdesk.ini) se conservan."
LangString REPLACE_INSTALLATION ${LANG_FRENCH} "kvrdesk $R1 est installé dans $R0.$\r$\n$\r$\nLe programme d'installation le remplace : il désinstalle d'abord cette installation. Vos paramètres (kvrdesk.set, kvrdesk.ini) sont conservés."
LangString REPLACE_INSTALLATION ${LANG_DUTCH} "kvrdesk $R1 is geïnstalleerd in $R0.$\r$\n$\r$\nSetup vervangt het: eerst wordt die installatie verwijderd. Uw instellingen (kvrdesk.set, kvrdesk.ini) blijven bewaard."

LangString REPLACE_FAILED ${LANG_ENGLISH} "The installation in $R0 could not be uninstalled; nothing else was changed."
LangString REPLACE_FAILED ${LANG_GERMAN} "Die Installation in $R0 konnte nicht deinstalliert werden; sonst wurde nichts geändert."
LangString REPLACE_FAILED ${LANG_ITALIAN} "Non è stato possibile disinstallare l'installazione in $R0; nient'altro è stato modificato."
LangString REPLACE_FAILED ${LANG_SPANISH} "No se pudo desinstalar la instalación de $R0; no se ha cambiado nada más."
LangString REPLACE_FAILED ${LANG_FRENCH} "L'installation dans $R0 n'a pas pu être désinstallée ; rien d'autre n'a été modifié."
LangString REPLACE_FAILED ${LANG_DUTCH} "De installatie in $R0 kon niet worden verwijderd; verder is er niets gewijzigd."

LangString OPEN_WITH_EDITOR ${LANG_ENGLISH} "Open with kvrdesk"
LangString OPEN_WITH_EDITOR ${LANG_GERMAN} "Mit kvrdesk öffnen"
LangString OPEN_WITH_EDITOR ${LANG_ITALIAN} "Apri con kvrdesk"
LangString OPEN_WITH_EDITOR ${LANG_SPANISH} "Abrir con kvrdesk"
LangString OPEN_WITH_EDITOR ${LANG_FRENCH} "Ouvrir avec kvrdesk"
LangString OPEN_WITH_EDITOR ${LANG_DUTCH} "Openen met kvrdesk"

LangString SETTINGS_FILE ${LANG_ENGLISH} "kvrdesk settings file"
LangString SETTINGS_FILE ${LANG_GERMAN} "kvrdesk-Einstellungsdatei"
LangString SETTINGS_FILE ${LANG_ITALIAN} "File di impostazioni di kvrdesk"
LangString SETTINGS_FILE ${LANG_SPANISH} "Archivo de ajustes de kvrdesk"
LangString SETTINGS_FILE ${LANG_FRENCH} "Fichier de paramètres kvrdesk"
LangString SETTINGS_FILE ${LANG_DUTCH} "kvrdesk-instellingenbestand"

LangString PATCH_FILE ${LANG_ENGLISH} "kvrdesk patch"
LangString PATCH_FILE ${LANG_GERMAN} "kvrdesk-Patch"
LangString PATCH_FILE ${LANG_ITALIAN} "Patch di kvrdesk"
LangString PATCH_FILE ${LANG_SPANISH} "Parche de kvrdesk"
LangString PATCH_FILE ${LANG_FRENCH} "Patch kvrdesk"
LangString PATCH_FILE ${LANG_DUTCH} "kvrdesk-patch"

LangString LICENCE_NOTE ${LANG_ENGLISH} "kvrdesk is free software under the GNU GPL, version 3 or later. You need not accept it to use kvrdesk: it says what you may do when you share or change it."
LangString LICENCE_NOTE ${LANG_GERMAN} "kvrdesk ist freie Software unter der GNU GPL, Version 3 oder später. Um kvrdesk zu benutzen, müssen Sie sie nicht annehmen: Sie sagt, was Sie dürfen, wenn Sie es weitergeben oder ändern."
LangString LICENCE_NOTE ${LANG_ITALIAN} "kvrdesk è software libero sotto la GNU GPL, versione 3 o successiva. Non occorre accettarla per usare kvrdesk: dice che cosa puoi fare quando lo condividi o lo modifichi."
LangString LICENCE_NOTE ${LANG_SPANISH} "kvrdesk es software libre bajo la GNU GPL, versión 3 o posterior. No necesita aceptarla para usar kvrdesk: dice lo que puede hacer al compartirlo o modificarlo."
LangString LICENCE_NOTE ${LANG_FRENCH} "kvrdesk est un logiciel libre sous la GNU GPL, version 3 ou ultérieure. Vous n'avez pas à l'accepter pour utiliser kvrdesk : elle dit ce que vous pouvez faire quand vous le partagez ou le modifiez."
LangString LICENCE_NOTE ${LANG_DUTCH} "kvrdesk is vrije software onder de GNU GPL, versie 3 of later. U hoeft die niet te aanvaarden om kvrdesk te gebruiken: ze zegt wat u mag wanneer u het deelt of wijzigt."
