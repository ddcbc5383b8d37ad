/*
  The alarm-type catalogue of the reference databases upddata/common.fdb and upddata/742.fdb:
  one row per alarm type, all of organisation 1, with the columns an alarm type has in a
  database of the current version (7430) and its name, help text and short name in all thirteen
  languages. The type numbers are the ones the upgrade steps use for the types they add
  themselves. NAME and TEXT hold the Finnish name and text, as in the steps. MASK0 .. MASK10 are
  the bits 0 .. 10 of UNITTYPEMASK (unit types 0 to 10); MASKS marks the system alarms. Short
  names are plain ASCII; every text fits Windows-1252 (Hungarian, Estonian and Slovenian texts
  are written without the letters Windows-1252 lacks).
*/

-- The alarm-type catalogue, keyed by TYPEN (every row belongs to organisation 1).
CREATE TABLE ALARMTYPE (
  ORGID INTEGER DEFAULT 1 NOT NULL,
  TYPEN INTEGER NOT NULL,
  NAME VARCHAR(30),
  TEXT BLOB SUB_TYPE TEXT SEGMENT SIZE 80,
  STATUS INTEGER,
  ALARMGROUP INTEGER,
  SPEECH INTEGER,
  CORRIDOR INTEGER,
  PUSHTONE INTEGER,
  CORRSOUNDFILE INTEGER DEFAULT 0,
  FWDSYSTEM INTEGER DEFAULT 0 NOT NULL,
  UNITTYPEMASK INTEGER DEFAULT 255,
  MASK0 INTEGER, MASK1 INTEGER, MASK2 INTEGER, MASK3 INTEGER, MASK4 INTEGER, MASK5 INTEGER,
  MASK6 INTEGER, MASK7 INTEGER, MASK8 INTEGER, MASK9 INTEGER, MASK10 INTEGER,
  MASKS INTEGER,
  NAMEFIN VARCHAR(30) DEFAULT '' NOT NULL,
  TEXTFIN BLOB SUB_TYPE TEXT SEGMENT SIZE 80,
  SHORTNAMEFIN VARCHAR(10) DEFAULT '' NOT NULL,
  NAMEENG VARCHAR(30) DEFAULT '' NOT NULL,
  TEXTENG BLOB SUB_TYPE TEXT SEGMENT SIZE 80,
  SHORTNAMEENG VARCHAR(10) DEFAULT '' NOT NULL,
  NAMESWE VARCHAR(30) DEFAULT '' NOT NULL,
  TEXTSWE BLOB SUB_TYPE TEXT SEGMENT SIZE 80,
  SHORTNAMESWE VARCHAR(10) DEFAULT '' NOT NULL,
  NAMEFRA VARCHAR(30) DEFAULT '' NOT NULL,
  TEXTFRA BLOB SUB_TYPE TEXT SEGMENT SIZE 80,
  SHORTNAMEFRA VARCHAR(10) DEFAULT '' NOT NULL,
  NAMEGER VARCHAR(30) DEFAULT '' NOT NULL,
  TEXTGER BLOB SUB_TYPE TEXT SEGMENT SIZE 80,
  SHORTNAMEGER VARCHAR(10) DEFAULT '' NOT NULL,
  NAMEDUT VARCHAR(30) DEFAULT '' NOT NULL,
  TEXTDUT BLOB SUB_TYPE TEXT SEGMENT SIZE 80,
  SHORTNAMEDUT VARCHAR(10) DEFAULT '' NOT NULL,
  NAMEHUN VARCHAR(30) DEFAULT '' NOT NULL,
  TEXTHUN BLOB SUB_TYPE TEXT SEGMENT SIZE 80,
  SHORTNAMEHUN VARCHAR(10) DEFAULT '' NOT NULL,
  NAMENOR VARCHAR(30) DEFAULT '' NOT NULL,
  TEXTNOR BLOB SUB_TYPE TEXT SEGMENT SIZE 80,
  SHORTNAMENOR VARCHAR(10) DEFAULT '' NOT NULL,
  NAMEPOR VARCHAR(30) DEFAULT '' NOT NULL,
  TEXTPOR BLOB SUB_TYPE TEXT SEGMENT SIZE 80,
  SHORTNAMEPOR VARCHAR(10) DEFAULT '' NOT NULL,
  NAMEEST VARCHAR(30) DEFAULT '' NOT NULL,
  TEXTEST BLOB SUB_TYPE TEXT SEGMENT SIZE 80,
  SHORTNAMEEST VARCHAR(10) DEFAULT '' NOT NULL,
  NAMEITA VARCHAR(30) DEFAULT '' NOT NULL,
  TEXTITA BLOB SUB_TYPE TEXT SEGMENT SIZE 80,
  SHORTNAMEITA VARCHAR(10) DEFAULT '' NOT NULL,
  NAMESLO VARCHAR(30) DEFAULT '' NOT NULL,
  TEXTSLO BLOB SUB_TYPE TEXT SEGMENT SIZE 80,
  SHORTNAMESLO VARCHAR(10) DEFAULT '' NOT NULL,
  NAMESPA VARCHAR(30) DEFAULT '' NOT NULL,
  TEXTSPA BLOB SUB_TYPE TEXT SEGMENT SIZE 80,
  SHORTNAMESPA VARCHAR(10) DEFAULT '' NOT NULL,
  CONSTRAINT PK_ALARMTYPE PRIMARY KEY (TYPEN)
);

-- 1: alarm button of the wrist and home units
INSERT INTO ALARMTYPE (ORGID, TYPEN, NAME, TEXT, STATUS, ALARMGROUP, SPEECH, CORRIDOR, PUSHTONE, CORRSOUNDFILE, FWDSYSTEM,
  UNITTYPEMASK, MASK0, MASK1, MASK2, MASK3, MASK4, MASK5, MASK6, MASK7, MASK8, MASK9, MASK10, MASKS)
  VALUES (1, 1, 'Hälytys', 'Asiakas on painanut hälytyspainiketta ja pyytää apua.', 3, 3, 1, 1, 1, 0, 0,
  2031, 1, 1, 1, 1, 0, 1, 1, 1, 1, 1, 1, 0);
UPDATE ALARMTYPE SET NAMEFIN = 'Hälytys', SHORTNAMEFIN = 'Halytys',
  TEXTFIN = 'Asiakas on painanut hälytyspainiketta ja pyytää apua.' WHERE TYPEN = 1;
UPDATE ALARMTYPE SET NAMEENG = 'Alarm button', SHORTNAMEENG = 'Alarm',
  TEXTENG = 'The customer has pressed the alarm button and is asking for help.' WHERE TYPEN = 1;
UPDATE ALARMTYPE SET NAMESWE = 'Larmknapp', SHORTNAMESWE = 'Larm',
  TEXTSWE = 'Kunden har tryckt på larmknappen och behöver hjälp.' WHERE TYPEN = 1;
UPDATE ALARMTYPE SET NAMEFRA = 'Bouton d''alarme', SHORTNAMEFRA = 'Alarme',
  TEXTFRA = 'Le client a appuyé sur le bouton d''alarme et demande de l''aide.' WHERE TYPEN = 1;
UPDATE ALARMTYPE SET NAMEGER = 'Alarmknopf', SHORTNAMEGER = 'Alarm',
  TEXTGER = 'Der Kunde hat den Alarmknopf gedrückt und bittet um Hilfe.' WHERE TYPEN = 1;
UPDATE ALARMTYPE SET NAMEDUT = 'Alarmknop', SHORTNAMEDUT = 'Alarm',
  TEXTDUT = 'De cliënt heeft op de alarmknop gedrukt en vraagt om hulp.' WHERE TYPEN = 1;
UPDATE ALARMTYPE SET NAMEHUN = 'Riasztógomb', SHORTNAMEHUN = 'Riasztas',
  TEXTHUN = 'Az ügyfél megnyomta a riasztógombot és segítséget kér.' WHERE TYPEN = 1;
UPDATE ALARMTYPE SET NAMENOR = 'Alarmknapp', SHORTNAMENOR = 'Alarm',
  TEXTNOR = 'Brukeren har trykket på alarmknappen og ber om hjelp.' WHERE TYPEN = 1;
UPDATE ALARMTYPE SET NAMEPOR = 'Botão de alarme', SHORTNAMEPOR = 'Alarme',
  TEXTPOR = 'O cliente premiu o botão de alarme e pede ajuda.' WHERE TYPEN = 1;
UPDATE ALARMTYPE SET NAMEEST = 'Häirenupp', SHORTNAMEEST = 'Hairenupp',
  TEXTEST = 'Klient vajutas häirenuppu ja palub abi.' WHERE TYPEN = 1;
UPDATE ALARMTYPE SET NAMEITA = 'Pulsante di allarme', SHORTNAMEITA = 'Allarme',
  TEXTITA = 'Il cliente ha premuto il pulsante di allarme e chiede aiuto.' WHERE TYPEN = 1;
UPDATE ALARMTYPE SET NAMESLO = 'Alarmni gumb', SHORTNAMESLO = 'Alarm',
  TEXTSLO = 'Uporabnik je pritisnil alarmni gumb.' WHERE TYPEN = 1;
UPDATE ALARMTYPE SET NAMESPA = 'Botón de alarma', SHORTNAMESPA = 'Alarma',
  TEXTSPA = 'El cliente ha pulsado el botón de alarma y pide ayuda.' WHERE TYPEN = 1;

-- 2: watch taken off the wrist
INSERT INTO ALARMTYPE (ORGID, TYPEN, NAME, TEXT, STATUS, ALARMGROUP, SPEECH, CORRIDOR, PUSHTONE, CORRSOUNDFILE, FWDSYSTEM,
  UNITTYPEMASK, MASK0, MASK1, MASK2, MASK3, MASK4, MASK5, MASK6, MASK7, MASK8, MASK9, MASK10, MASKS)
  VALUES (1, 2, 'Ranneke pois ranteesta', 'Hälytysranneke on otettu pois ranteesta tai se on liian löysällä.', 3, 3, 1, 1, 3, 0, 0,
  687, 1, 1, 1, 1, 0, 1, 0, 1, 0, 1, 0, 0);
UPDATE ALARMTYPE SET NAMEFIN = 'Ranneke pois ranteesta', SHORTNAMEFIN = 'RanPois',
  TEXTFIN = 'Hälytysranneke on otettu pois ranteesta tai se on liian löysällä.' WHERE TYPEN = 2;
UPDATE ALARMTYPE SET NAMEENG = 'Watch removed', SHORTNAMEENG = 'WatchOff',
  TEXTENG = 'The alarm watch has been taken off the wrist or it is too loose.' WHERE TYPEN = 2;
UPDATE ALARMTYPE SET NAMESWE = 'Klockan avtagen', SHORTNAMESWE = 'KlockAv',
  TEXTSWE = 'Larmklockan har tagits av handleden eller sitter för löst.' WHERE TYPEN = 2;
UPDATE ALARMTYPE SET NAMEFRA = 'Montre retirée', SHORTNAMEFRA = 'MontreRet',
  TEXTFRA = 'La montre d''alarme a été retirée du poignet ou elle est trop lâche.' WHERE TYPEN = 2;
UPDATE ALARMTYPE SET NAMEGER = 'Uhr abgenommen', SHORTNAMEGER = 'UhrAb',
  TEXTGER = 'Die Alarmuhr wurde vom Handgelenk abgenommen oder sitzt zu locker.' WHERE TYPEN = 2;
UPDATE ALARMTYPE SET NAMEDUT = 'Horloge afgedaan', SHORTNAMEDUT = 'HorlAf',
  TEXTDUT = 'Het alarmhorloge is van de pols gehaald of zit te los.' WHERE TYPEN = 2;
UPDATE ALARMTYPE SET NAMEHUN = 'Óra levéve', SHORTNAMEHUN = 'OraLeveve',
  TEXTHUN = 'A riasztóórát levették a csuklóról, vagy túl laza.' WHERE TYPEN = 2;
UPDATE ALARMTYPE SET NAMENOR = 'Klokken tatt av', SHORTNAMENOR = 'KlokkeAv',
  TEXTNOR = 'Alarmklokken er tatt av håndleddet eller sitter for løst.' WHERE TYPEN = 2;
UPDATE ALARMTYPE SET NAMEPOR = 'Relógio retirado', SHORTNAMEPOR = 'RelRetir',
  TEXTPOR = 'O relógio de alarme foi retirado do pulso ou está demasiado solto.' WHERE TYPEN = 2;
UPDATE ALARMTYPE SET NAMEEST = 'Kell eemaldatud', SHORTNAMEEST = 'KellEemal',
  TEXTEST = 'Häirekell on randmelt eemaldatud või on liiga lõdvalt.' WHERE TYPEN = 2;
UPDATE ALARMTYPE SET NAMEITA = 'Orologio rimosso', SHORTNAMEITA = 'OrolRim',
  TEXTITA = 'L''orologio di allarme è stato tolto dal polso o è troppo largo.' WHERE TYPEN = 2;
UPDATE ALARMTYPE SET NAMESLO = 'Ura odstranjena', SHORTNAMESLO = 'UraOdstr',
  TEXTSLO = 'Alarmna ura je bila odstranjena z zapestja ali je preohlapna.' WHERE TYPEN = 2;
UPDATE ALARMTYPE SET NAMESPA = 'Reloj retirado', SHORTNAMESPA = 'RelojRet',
  TEXTSPA = 'El reloj de alarma se ha quitado de la muñeca o está demasiado flojo.' WHERE TYPEN = 2;

-- 3: no activity
INSERT INTO ALARMTYPE (ORGID, TYPEN, NAME, TEXT, STATUS, ALARMGROUP, SPEECH, CORRIDOR, PUSHTONE, CORRSOUNDFILE, FWDSYSTEM,
  UNITTYPEMASK, MASK0, MASK1, MASK2, MASK3, MASK4, MASK5, MASK6, MASK7, MASK8, MASK9, MASK10, MASKS)
  VALUES (1, 3, 'Ei aktiivisuutta', 'Asiakkaan aktiivisuus on pysynyt poikkeuksellisen alhaisena. Tarkista asiakkaan vointi.', 3, 3, 1, 1, 1, 0, 0,
  687, 1, 1, 1, 1, 0, 1, 0, 1, 0, 1, 0, 0);
UPDATE ALARMTYPE SET NAMEFIN = 'Ei aktiivisuutta', SHORTNAMEFIN = 'EiAktiiv',
  TEXTFIN = 'Asiakkaan aktiivisuus on pysynyt poikkeuksellisen alhaisena. Tarkista asiakkaan vointi.' WHERE TYPEN = 3;
UPDATE ALARMTYPE SET NAMEENG = 'No activity', SHORTNAMEENG = 'NoActiv',
  TEXTENG = 'The customer''s activity has stayed unusually low. Check how the customer is.' WHERE TYPEN = 3;
UPDATE ALARMTYPE SET NAMESWE = 'Ingen aktivitet', SHORTNAMESWE = 'IngenAkt',
  TEXTSWE = 'Kundens aktivitet har varit ovanligt låg. Kontrollera hur kunden mår.' WHERE TYPEN = 3;
UPDATE ALARMTYPE SET NAMEFRA = 'Absence d''activité', SHORTNAMEFRA = 'PasActiv',
  TEXTFRA = 'L''activité du client est restée anormalement faible. Vérifiez son état.' WHERE TYPEN = 3;
UPDATE ALARMTYPE SET NAMEGER = 'Keine Aktivität', SHORTNAMEGER = 'KeineAkt',
  TEXTGER = 'Die Aktivität des Kunden ist ungewöhnlich niedrig geblieben. Bitte nach dem Kunden sehen.' WHERE TYPEN = 3;
UPDATE ALARMTYPE SET NAMEDUT = 'Geen activiteit', SHORTNAMEDUT = 'GeenAct',
  TEXTDUT = 'De activiteit van de cliënt is ongewoon laag gebleven. Controleer hoe het met de cliënt gaat.' WHERE TYPEN = 3;
UPDATE ALARMTYPE SET NAMEHUN = 'Nincs aktivitás', SHORTNAMEHUN = 'NincsAkt',
  TEXTHUN = 'Az ügyfél aktivitása szokatlanul alacsony. Nézze meg az ügyfél állapotát.' WHERE TYPEN = 3;
UPDATE ALARMTYPE SET NAMENOR = 'Ingen aktivitet', SHORTNAMENOR = 'IngenAkt',
  TEXTNOR = 'Brukerens aktivitet har vært uvanlig lav. Sjekk hvordan brukeren har det.' WHERE TYPEN = 3;
UPDATE ALARMTYPE SET NAMEPOR = 'Sem atividade', SHORTNAMEPOR = 'SemAtiv',
  TEXTPOR = 'A atividade do cliente manteve-se invulgarmente baixa. Verifique o estado do cliente.' WHERE TYPEN = 3;
UPDATE ALARMTYPE SET NAMEEST = 'Aktiivsus puudub', SHORTNAMEEST = 'AktPuudub',
  TEXTEST = 'Kliendi aktiivsus on olnud ebatavaliselt madal. Kontrollige kliendi seisundit.' WHERE TYPEN = 3;
UPDATE ALARMTYPE SET NAMEITA = 'Nessuna attività', SHORTNAMEITA = 'NoAttiv',
  TEXTITA = 'L''attività del cliente è rimasta insolitamente bassa. Controllare le condizioni del cliente.' WHERE TYPEN = 3;
UPDATE ALARMTYPE SET NAMESLO = 'Ni aktivnosti', SHORTNAMESLO = 'NiAktiv',
  TEXTSLO = 'Aktivnost uporabnika je bila nenavadno nizka. Preverite stanje uporabnika.' WHERE TYPEN = 3;
UPDATE ALARMTYPE SET NAMESPA = 'Sin actividad', SHORTNAMESPA = 'SinActiv',
  TEXTSPA = 'La actividad del cliente se ha mantenido inusualmente baja. Compruebe su estado.' WHERE TYPEN = 3;

-- 7: room call button
INSERT INTO ALARMTYPE (ORGID, TYPEN, NAME, TEXT, STATUS, ALARMGROUP, SPEECH, CORRIDOR, PUSHTONE, CORRSOUNDFILE, FWDSYSTEM,
  UNITTYPEMASK, MASK0, MASK1, MASK2, MASK3, MASK4, MASK5, MASK6, MASK7, MASK8, MASK9, MASK10, MASKS)
  VALUES (1, 7, 'Huonekutsu', 'Huoneen kutsupainiketta on painettu.', 3, 3, 1, 1, 1, 0, 0,
  32, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0);
UPDATE ALARMTYPE SET NAMEFIN = 'Huonekutsu', SHORTNAMEFIN = 'Huone',
  TEXTFIN = 'Huoneen kutsupainiketta on painettu.' WHERE TYPEN = 7;
UPDATE ALARMTYPE SET NAMEENG = 'Room call', SHORTNAMEENG = 'Room',
  TEXTENG = 'The call button in the room has been pressed.' WHERE TYPEN = 7;
UPDATE ALARMTYPE SET NAMESWE = 'Rumsanrop', SHORTNAMESWE = 'Rum',
  TEXTSWE = 'Anropsknappen i rummet har tryckts in.' WHERE TYPEN = 7;
UPDATE ALARMTYPE SET NAMEFRA = 'Appel chambre', SHORTNAMEFRA = 'Chambre',
  TEXTFRA = 'Le bouton d''appel de la chambre a été actionné.' WHERE TYPEN = 7;
UPDATE ALARMTYPE SET NAMEGER = 'Zimmerruf', SHORTNAMEGER = 'Zimmer',
  TEXTGER = 'Der Rufknopf im Zimmer wurde gedrückt.' WHERE TYPEN = 7;
UPDATE ALARMTYPE SET NAMEDUT = 'Kameroproep', SHORTNAMEDUT = 'Kamer',
  TEXTDUT = 'De oproepknop in de kamer is ingedrukt.' WHERE TYPEN = 7;
UPDATE ALARMTYPE SET NAMEHUN = 'Szobahívás', SHORTNAMEHUN = 'Szoba',
  TEXTHUN = 'A szobában megnyomták a hívógombot.' WHERE TYPEN = 7;
UPDATE ALARMTYPE SET NAMENOR = 'Romanrop', SHORTNAMENOR = 'Rom',
  TEXTNOR = 'Anropsknappen i rommet er trykket inn.' WHERE TYPEN = 7;
UPDATE ALARMTYPE SET NAMEPOR = 'Chamada do quarto', SHORTNAMEPOR = 'Quarto',
  TEXTPOR = 'Foi premido o botão de chamada do quarto.' WHERE TYPEN = 7;
UPDATE ALARMTYPE SET NAMEEST = 'Toakutse', SHORTNAMEEST = 'Tuba',
  TEXTEST = 'Toa kutsenuppu on vajutatud.' WHERE TYPEN = 7;
UPDATE ALARMTYPE SET NAMEITA = 'Chiamata camera', SHORTNAMEITA = 'Camera',
  TEXTITA = 'È stato premuto il pulsante di chiamata della camera.' WHERE TYPEN = 7;
UPDATE ALARMTYPE SET NAMESLO = 'Klic iz sobe', SHORTNAMESLO = 'Soba',
  TEXTSLO = 'V sobi je bil pritisnjen klicni gumb.' WHERE TYPEN = 7;
UPDATE ALARMTYPE SET NAMESPA = 'Llamada habitación', SHORTNAMESPA = 'Habitac',
  TEXTSPA = 'Se ha pulsado el botón de llamada de la habitación.' WHERE TYPEN = 7;

-- 11: fire alarm (added by step 5100)
INSERT INTO ALARMTYPE (ORGID, TYPEN, NAME, TEXT, STATUS, ALARMGROUP, SPEECH, CORRIDOR, PUSHTONE, CORRSOUNDFILE, FWDSYSTEM,
  UNITTYPEMASK, MASK0, MASK1, MASK2, MASK3, MASK4, MASK5, MASK6, MASK7, MASK8, MASK9, MASK10, MASKS)
  VALUES (1, 11, 'Palohälytys', 'Tämä on palohälytys Pelmar Harboon liitetystä paloilmoitinjärjestelmästä.', 4, 4, 1, 1, 4, 0, 0,
  32, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 1);
UPDATE ALARMTYPE SET NAMEFIN = 'Palohälytys', SHORTNAMEFIN = 'Palo',
  TEXTFIN = 'Tämä on palohälytys Pelmar Harboon liitetystä paloilmoitinjärjestelmästä.' WHERE TYPEN = 11;
UPDATE ALARMTYPE SET NAMEENG = 'Fire alarm', SHORTNAMEENG = 'Fire',
  TEXTENG = 'This is a fire alarm from a fire alarm system connected to Pelmar Harbo.' WHERE TYPEN = 11;
UPDATE ALARMTYPE SET NAMESWE = 'Brandlarm', SHORTNAMESWE = 'Brand',
  TEXTSWE = 'Detta är ett brandlarm från ett brandlarmsystem anslutet till Pelmar Harbo.' WHERE TYPEN = 11;
UPDATE ALARMTYPE SET NAMEFRA = 'Alarme Incendie', SHORTNAMEFRA = 'Incendie',
  TEXTFRA = 'Ceci est une alarme incendie provenant d''un système d''alarme incendie connecté à Pelmar Harbo.' WHERE TYPEN = 11;
UPDATE ALARMTYPE SET NAMEGER = 'Feueralarm', SHORTNAMEGER = 'Feuer',
  TEXTGER = 'Dies ist ein Feueralarm von einer an Pelmar Harbo angeschlossenen Brandmeldeanlage.' WHERE TYPEN = 11;
UPDATE ALARMTYPE SET NAMEDUT = 'Brandlarm', SHORTNAMEDUT = 'Brand',
  TEXTDUT = 'Dit is een brandalarm van een brandmeldsysteem dat op Pelmar Harbo is aangesloten.' WHERE TYPEN = 11;
UPDATE ALARMTYPE SET NAMEHUN = 'Fire alarm', SHORTNAMEHUN = 'Fire',
  TEXTHUN = 'This is a fire alarm from a fire alarm system connected to Pelmar Harbo.' WHERE TYPEN = 11;
UPDATE ALARMTYPE SET NAMENOR = 'Brannalarm', SHORTNAMENOR = 'Brann',
  TEXTNOR = 'Dette er en brannalarm fra et brannalarmanlegg koblet til Pelmar Harbo.' WHERE TYPEN = 11;
UPDATE ALARMTYPE SET NAMEPOR = 'Alarme de incêndio', SHORTNAMEPOR = 'Incendio',
  TEXTPOR = 'Este é um alarme de incêndio de um sistema de deteção de incêndio ligado ao Pelmar Harbo.' WHERE TYPEN = 11;
UPDATE ALARMTYPE SET NAMEEST = 'Tulekahjuhäire', SHORTNAMEEST = 'Tulekahju',
  TEXTEST = 'See on tulekahjuhäire Pelmar Harboga ühendatud tulekahjusignalisatsioonist.' WHERE TYPEN = 11;
UPDATE ALARMTYPE SET NAMEITA = 'Allarme incendio', SHORTNAMEITA = 'Incendio',
  TEXTITA = 'Questo è un allarme incendio da un sistema antincendio collegato a Pelmar Harbo.' WHERE TYPEN = 11;
UPDATE ALARMTYPE SET NAMESLO = 'Fire alarm', SHORTNAMESLO = 'Fire',
  TEXTSLO = 'This is a fire alarm from a fire alarm system connected to Pelmar Harbo.' WHERE TYPEN = 11;
UPDATE ALARMTYPE SET NAMESPA = 'Alarma de incendio', SHORTNAMESPA = 'Incendio',
  TEXTSPA = 'Esta es una alarma de incendio de un sistema contra incendios conectado a Pelmar Harbo.' WHERE TYPEN = 11;

-- 17: system error
INSERT INTO ALARMTYPE (ORGID, TYPEN, NAME, TEXT, STATUS, ALARMGROUP, SPEECH, CORRIDOR, PUSHTONE, CORRSOUNDFILE, FWDSYSTEM,
  UNITTYPEMASK, MASK0, MASK1, MASK2, MASK3, MASK4, MASK5, MASK6, MASK7, MASK8, MASK9, MASK10, MASKS)
  VALUES (1, 17, 'Järjestelmävirhe', 'Pelmar Harbo on havainnut järjestelmävirheen. Ota yhteys huoltoon.', 4, 4, 0, 1, 3, 0, 0,
  32, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 1);
UPDATE ALARMTYPE SET NAMEFIN = 'Järjestelmävirhe', SHORTNAMEFIN = 'JarjVirhe',
  TEXTFIN = 'Pelmar Harbo on havainnut järjestelmävirheen. Ota yhteys huoltoon.' WHERE TYPEN = 17;
UPDATE ALARMTYPE SET NAMEENG = 'System error', SHORTNAMEENG = 'SysError',
  TEXTENG = 'Pelmar Harbo has detected a system error. Contact the maintenance.' WHERE TYPEN = 17;
UPDATE ALARMTYPE SET NAMESWE = 'Systemfel', SHORTNAMESWE = 'SystFel',
  TEXTSWE = 'Pelmar Harbo har upptäckt ett systemfel. Kontakta underhållet.' WHERE TYPEN = 17;
UPDATE ALARMTYPE SET NAMEFRA = 'Erreur système', SHORTNAMEFRA = 'ErrSyst',
  TEXTFRA = 'Pelmar Harbo a détecté une erreur système. Contactez la maintenance.' WHERE TYPEN = 17;
UPDATE ALARMTYPE SET NAMEGER = 'Systemfehler', SHORTNAMEGER = 'SysFehler',
  TEXTGER = 'Pelmar Harbo hat einen Systemfehler festgestellt. Wenden Sie sich an die Wartung.' WHERE TYPEN = 17;
UPDATE ALARMTYPE SET NAMEDUT = 'Systeemfout', SHORTNAMEDUT = 'SysFout',
  TEXTDUT = 'Pelmar Harbo heeft een systeemfout gedetecteerd. Neem contact op met het onderhoud.' WHERE TYPEN = 17;
UPDATE ALARMTYPE SET NAMEHUN = 'Rendszerhiba', SHORTNAMEHUN = 'RendszHiba',
  TEXTHUN = 'A Pelmar Harbo rendszerhibát észlelt. Forduljon a karbantartáshoz.' WHERE TYPEN = 17;
UPDATE ALARMTYPE SET NAMENOR = 'Systemfeil', SHORTNAMENOR = 'SystFeil',
  TEXTNOR = 'Pelmar Harbo har oppdaget en systemfeil. Kontakt vedlikehold.' WHERE TYPEN = 17;
UPDATE ALARMTYPE SET NAMEPOR = 'Erro do sistema', SHORTNAMEPOR = 'ErroSist',
  TEXTPOR = 'O Pelmar Harbo detetou um erro do sistema. Contacte a manutenção.' WHERE TYPEN = 17;
UPDATE ALARMTYPE SET NAMEEST = 'Süsteemiviga', SHORTNAMEEST = 'SystViga',
  TEXTEST = 'Pelmar Harbo avastas süsteemivea. Võtke ühendust hooldusega.' WHERE TYPEN = 17;
UPDATE ALARMTYPE SET NAMEITA = 'Errore di sistema', SHORTNAMEITA = 'ErrSist',
  TEXTITA = 'Pelmar Harbo ha rilevato un errore di sistema. Contattare la manutenzione.' WHERE TYPEN = 17;
UPDATE ALARMTYPE SET NAMESLO = 'Sistemska napaka', SHORTNAMESLO = 'SistNapaka',
  TEXTSLO = 'Pelmar Harbo je zaznal sistemsko napako. Obrnite se na servis.' WHERE TYPEN = 17;
UPDATE ALARMTYPE SET NAMESPA = 'Error del sistema', SHORTNAMESPA = 'ErrorSist',
  TEXTSPA = 'Pelmar Harbo ha detectado un error del sistema. Póngase en contacto con mantenimiento.' WHERE TYPEN = 17;

-- 19: device battery low
INSERT INTO ALARMTYPE (ORGID, TYPEN, NAME, TEXT, STATUS, ALARMGROUP, SPEECH, CORRIDOR, PUSHTONE, CORRSOUNDFILE, FWDSYSTEM,
  UNITTYPEMASK, MASK0, MASK1, MASK2, MASK3, MASK4, MASK5, MASK6, MASK7, MASK8, MASK9, MASK10, MASKS)
  VALUES (1, 19, 'Paristo heikko', 'Laitteen paristo on heikko. Vaihda paristo mahdollisimman pian.', 2, 4, 1, 1, 2, 0, 0,
  160, 0, 0, 0, 0, 0, 1, 0, 1, 0, 0, 0, 0);
UPDATE ALARMTYPE SET NAMEFIN = 'Paristo heikko', SHORTNAMEFIN = 'Paristo',
  TEXTFIN = 'Laitteen paristo on heikko. Vaihda paristo mahdollisimman pian.' WHERE TYPEN = 19;
UPDATE ALARMTYPE SET NAMEENG = 'Battery low', SHORTNAMEENG = 'BattLow',
  TEXTENG = 'The battery of the device is low. Replace the battery as soon as possible.' WHERE TYPEN = 19;
UPDATE ALARMTYPE SET NAMESWE = 'Svagt batteri', SHORTNAMESWE = 'SvagtBatt',
  TEXTSWE = 'Enhetens batteri är svagt. Byt batteriet så snart som möjligt.' WHERE TYPEN = 19;
UPDATE ALARMTYPE SET NAMEFRA = 'Pile faible', SHORTNAMEFRA = 'PileFaib',
  TEXTFRA = 'La pile de l''appareil est faible. Remplacez-la dès que possible.' WHERE TYPEN = 19;
UPDATE ALARMTYPE SET NAMEGER = 'Batterie schwach', SHORTNAMEGER = 'BattSchw',
  TEXTGER = 'Die Batterie des Geräts ist schwach. Tauschen Sie sie so bald wie möglich aus.' WHERE TYPEN = 19;
UPDATE ALARMTYPE SET NAMEDUT = 'Batterij zwak', SHORTNAMEDUT = 'BattZwak',
  TEXTDUT = 'De batterij van het apparaat is zwak. Vervang de batterij zo snel mogelijk.' WHERE TYPEN = 19;
UPDATE ALARMTYPE SET NAMEHUN = 'Gyenge elem', SHORTNAMEHUN = 'GyengeElem',
  TEXTHUN = 'A készülék eleme gyenge. Cserélje ki az elemet minél hamarabb.' WHERE TYPEN = 19;
UPDATE ALARMTYPE SET NAMENOR = 'Lavt batteri', SHORTNAMENOR = 'LavtBatt',
  TEXTNOR = 'Batteriet i enheten er lavt. Bytt batteriet så snart som mulig.' WHERE TYPEN = 19;
UPDATE ALARMTYPE SET NAMEPOR = 'Bateria fraca', SHORTNAMEPOR = 'BatFraca',
  TEXTPOR = 'A bateria do aparelho está fraca. Substitua-a o mais depressa possível.' WHERE TYPEN = 19;
UPDATE ALARMTYPE SET NAMEEST = 'Patarei tühjeneb', SHORTNAMEEST = 'Patarei',
  TEXTEST = 'Seadme patarei on tühjenemas. Vahetage patarei esimesel võimalusel.' WHERE TYPEN = 19;
UPDATE ALARMTYPE SET NAMEITA = 'Batteria scarica', SHORTNAMEITA = 'BattScar',
  TEXTITA = 'La batteria del dispositivo è scarica. Sostituirla al più presto.' WHERE TYPEN = 19;
UPDATE ALARMTYPE SET NAMESLO = 'Prazna baterija', SHORTNAMESLO = 'PraznaBat',
  TEXTSLO = 'Baterija naprave je skoraj prazna. Zamenjajte jo.' WHERE TYPEN = 19;
UPDATE ALARMTYPE SET NAMESPA = 'Batería baja', SHORTNAMESPA = 'BatBaja',
  TEXTSPA = 'La batería del dispositivo está baja. Sustitúyala lo antes posible.' WHERE TYPEN = 19;

-- 21: deviation in the daily rhythm
INSERT INTO ALARMTYPE (ORGID, TYPEN, NAME, TEXT, STATUS, ALARMGROUP, SPEECH, CORRIDOR, PUSHTONE, CORRSOUNDFILE, FWDSYSTEM,
  UNITTYPEMASK, MASK0, MASK1, MASK2, MASK3, MASK4, MASK5, MASK6, MASK7, MASK8, MASK9, MASK10, MASKS)
  VALUES (1, 21, 'Vuorokausirytmin poikkeama', 'Asiakkaan vuorokausirytmissä on havaittu poikkeama aiempaan verrattuna.', 2, 3, 0, 1, 2, 0, 0,
  76, 0, 0, 1, 1, 0, 0, 1, 0, 0, 0, 0, 0);
UPDATE ALARMTYPE SET NAMEFIN = 'Vuorokausirytmin poikkeama', SHORTNAMEFIN = 'Rytmi',
  TEXTFIN = 'Asiakkaan vuorokausirytmissä on havaittu poikkeama aiempaan verrattuna.' WHERE TYPEN = 21;
UPDATE ALARMTYPE SET NAMEENG = 'Daily rhythm deviation', SHORTNAMEENG = 'Rhythm',
  TEXTENG = 'A deviation from the customer''s usual daily rhythm has been detected.' WHERE TYPEN = 21;
UPDATE ALARMTYPE SET NAMESWE = 'Avvikelse i dygnsrytmen', SHORTNAMESWE = 'Rytm',
  TEXTSWE = 'En avvikelse från kundens vanliga dygnsrytm har upptäckts.' WHERE TYPEN = 21;
UPDATE ALARMTYPE SET NAMEFRA = 'Écart du rythme quotidien', SHORTNAMEFRA = 'Rythme',
  TEXTFRA = 'Un écart par rapport au rythme quotidien habituel du client a été détecté.' WHERE TYPEN = 21;
UPDATE ALARMTYPE SET NAMEGER = 'Abweichung im Tagesrhythmus', SHORTNAMEGER = 'Rhythmus',
  TEXTGER = 'Eine Abweichung vom gewohnten Tagesrhythmus des Kunden wurde festgestellt.' WHERE TYPEN = 21;
UPDATE ALARMTYPE SET NAMEDUT = 'Afwijking dagritme', SHORTNAMEDUT = 'Dagritme',
  TEXTDUT = 'Er is een afwijking van het gebruikelijke dagritme van de cliënt vastgesteld.' WHERE TYPEN = 21;
UPDATE ALARMTYPE SET NAMEHUN = 'Napi ritmus eltérése', SHORTNAMEHUN = 'Ritmus',
  TEXTHUN = 'Az ügyfél megszokott napi ritmusától eltérést észleltünk.' WHERE TYPEN = 21;
UPDATE ALARMTYPE SET NAMENOR = 'Avvik i døgnrytmen', SHORTNAMENOR = 'Rytme',
  TEXTNOR = 'Et avvik fra brukerens vanlige døgnrytme er oppdaget.' WHERE TYPEN = 21;
UPDATE ALARMTYPE SET NAMEPOR = 'Desvio do ritmo diário', SHORTNAMEPOR = 'Ritmo',
  TEXTPOR = 'Foi detetado um desvio do ritmo diário habitual do cliente.' WHERE TYPEN = 21;
UPDATE ALARMTYPE SET NAMEEST = 'Päevarütmi kõrvalekalle', SHORTNAMEEST = 'Rutm',
  TEXTEST = 'Kliendi tavapärases päevarütmis on tuvastatud kõrvalekalle.' WHERE TYPEN = 21;
UPDATE ALARMTYPE SET NAMEITA = 'Deviazione del ritmo', SHORTNAMEITA = 'Ritmo',
  TEXTITA = 'È stata rilevata una deviazione dal ritmo quotidiano abituale del cliente.' WHERE TYPEN = 21;
UPDATE ALARMTYPE SET NAMESLO = 'Odstopanje dnevnega ritma', SHORTNAMESLO = 'Ritem',
  TEXTSLO = 'Zaznano je odstopanje od dnevnega ritma uporabnika.' WHERE TYPEN = 21;
UPDATE ALARMTYPE SET NAMESPA = 'Desviación del ritmo diario', SHORTNAMESPA = 'Ritmo',
  TEXTSPA = 'Se ha detectado una desviación del ritmo diario habitual del cliente.' WHERE TYPEN = 21;

-- 26: base station power failure (texts corrected by step 6172)
INSERT INTO ALARMTYPE (ORGID, TYPEN, NAME, TEXT, STATUS, ALARMGROUP, SPEECH, CORRIDOR, PUSHTONE, CORRSOUNDFILE, FWDSYSTEM,
  UNITTYPEMASK, MASK0, MASK1, MASK2, MASK3, MASK4, MASK5, MASK6, MASK7, MASK8, MASK9, MASK10, MASKS)
  VALUES (1, 26, 'Tukiaseman sähkökatko', 'Tukiasemasta on katkennut verkkovirta ja se toimii varaakulla. Kotona ilmoitus tulee tunnin kuluttua. Tukiasema piippaa, kunnes virtajohto kytketään tai akku tyhjenee. Hälytyksen voi kuitata tukiaseman STOP-painikkeella; piippaus alkaa uudelleen kahden tunnin kuluttua.', 4, 4, 1, 1, 3, 0, 0,
  160, 0, 0, 0, 0, 0, 1, 0, 1, 0, 0, 0, 1);
UPDATE ALARMTYPE SET NAMEFIN = 'Tukiaseman sähkökatko', SHORTNAMEFIN = 'Sahkokatko',
  TEXTFIN = 'Tukiasemasta on katkennut verkkovirta ja se toimii varaakulla. Kotona ilmoitus tulee tunnin kuluttua. Tukiasema piippaa, kunnes virtajohto kytketään tai akku tyhjenee. Hälytyksen voi kuitata tukiaseman STOP-painikkeella; piippaus alkaa uudelleen kahden tunnin kuluttua.' WHERE TYPEN = 26;
UPDATE ALARMTYPE SET NAMEENG = 'Base station power failure', SHORTNAMEENG = 'PowerFail',
  TEXTENG = 'This notification is triggered when the base station is out of electrical power. The equipment is supported by a back up battery. At home this notification is triggered after one hour. The base station will beep at until the electric cable is plugged in or the battery is empty. The user can acknowledge the alarm by pressing the STOP button on the base station. The beeping will then start again in two hours.' WHERE TYPEN = 26;
UPDATE ALARMTYPE SET NAMESWE = 'Strömavbrott i basstationen', SHORTNAMESWE = 'StromAvbr',
  TEXTSWE = 'Basstationen saknar nätström och drivs av reservbatteriet. Anslut nätsladden igen.' WHERE TYPEN = 26;
UPDATE ALARMTYPE SET NAMEFRA = 'Coupure secteur de la base', SHORTNAMEFRA = 'CoupSect',
  TEXTFRA = 'La station de base n''est plus alimentée et fonctionne sur batterie de secours. Rebranchez le cordon secteur.' WHERE TYPEN = 26;
UPDATE ALARMTYPE SET NAMEGER = 'Stromausfall Basisstation', SHORTNAMEGER = 'StromAus',
  TEXTGER = 'Die Basisstation hat keinen Netzstrom und läuft mit dem Notakku. Stecken Sie das Netzkabel wieder ein.' WHERE TYPEN = 26;
UPDATE ALARMTYPE SET NAMEDUT = 'Stroomuitval basisstation', SHORTNAMEDUT = 'StroomUit',
  TEXTDUT = 'Het basisstation heeft geen netstroom en werkt op de noodbatterij. Sluit de netvoeding weer aan.' WHERE TYPEN = 26;
UPDATE ALARMTYPE SET NAMEHUN = 'Bázisállomás áramkimaradás', SHORTNAMEHUN = 'Aramkimar',
  TEXTHUN = 'A bázisállomás áramellátása megszakadt, tartalék akkumulátorról üzemel. Csatlakoztassa újra a tápkábelt.' WHERE TYPEN = 26;
UPDATE ALARMTYPE SET NAMENOR = 'Strømbrudd i basestasjonen', SHORTNAMENOR = 'StromBrudd',
  TEXTNOR = 'Basestasjonen har mistet strømmen og går på reservebatteri. Koble til strømledningen igjen.' WHERE TYPEN = 26;
UPDATE ALARMTYPE SET NAMEPOR = 'Falha de energia da base', SHORTNAMEPOR = 'FalhaEnerg',
  TEXTPOR = 'A estação base ficou sem energia e funciona com a bateria de reserva. Volte a ligar o cabo de alimentação.' WHERE TYPEN = 26;
UPDATE ALARMTYPE SET NAMEEST = 'Tugijaama toitekatkestus', SHORTNAMEEST = 'Toitekatk',
  TEXTEST = 'Tugijaama võrgutoide on katkenud ja see töötab varuakuga. Ühendage toitejuhe uuesti.' WHERE TYPEN = 26;
UPDATE ALARMTYPE SET NAMEITA = 'Mancanza rete stazione base', SHORTNAMEITA = 'MancRete',
  TEXTITA = 'La stazione base non è alimentata e funziona con la batteria di riserva. Ricollegare il cavo di alimentazione.' WHERE TYPEN = 26;
UPDATE ALARMTYPE SET NAMESLO = 'Izpad napajanja baze', SHORTNAMESLO = 'IzpadNap',
  TEXTSLO = 'Bazna postaja nima napajanja in deluje na rezervno baterijo. Ponovno priklopite napajalni kabel.' WHERE TYPEN = 26;
UPDATE ALARMTYPE SET NAMESPA = 'Fallo de red estación base', SHORTNAMESPA = 'FalloRed',
  TEXTSPA = 'La estación base se ha quedado sin corriente y funciona con la batería de reserva. Vuelva a conectar el cable.' WHERE TYPEN = 26;

-- 27: base station power restored
INSERT INTO ALARMTYPE (ORGID, TYPEN, NAME, TEXT, STATUS, ALARMGROUP, SPEECH, CORRIDOR, PUSHTONE, CORRSOUNDFILE, FWDSYSTEM,
  UNITTYPEMASK, MASK0, MASK1, MASK2, MASK3, MASK4, MASK5, MASK6, MASK7, MASK8, MASK9, MASK10, MASKS)
  VALUES (1, 27, 'Tukiaseman sähköt palautuneet', 'Tukiaseman verkkovirta on palautunut.', 2, 4, 1, 1, 3, 0, 0,
  160, 0, 0, 0, 0, 0, 1, 0, 1, 0, 0, 0, 1);
UPDATE ALARMTYPE SET NAMEFIN = 'Tukiaseman sähköt palautuneet', SHORTNAMEFIN = 'SahkoOK',
  TEXTFIN = 'Tukiaseman verkkovirta on palautunut.' WHERE TYPEN = 27;
UPDATE ALARMTYPE SET NAMEENG = 'Base station power restored', SHORTNAMEENG = 'PowerOK',
  TEXTENG = 'The mains power of the base station has been restored.' WHERE TYPEN = 27;
UPDATE ALARMTYPE SET NAMESWE = 'Basstationens ström åter', SHORTNAMESWE = 'StromOK',
  TEXTSWE = 'Basstationens nätström har återställts.' WHERE TYPEN = 27;
UPDATE ALARMTYPE SET NAMEFRA = 'Secteur rétabli sur la base', SHORTNAMEFRA = 'SecteurOK',
  TEXTFRA = 'L''alimentation secteur de la station de base est rétablie.' WHERE TYPEN = 27;
UPDATE ALARMTYPE SET NAMEGER = 'Netzstrom Basisstation zurück', SHORTNAMEGER = 'StromOK',
  TEXTGER = 'Der Netzstrom der Basisstation ist wieder vorhanden.' WHERE TYPEN = 27;
UPDATE ALARMTYPE SET NAMEDUT = 'Netstroom basisstation terug', SHORTNAMEDUT = 'StroomOK',
  TEXTDUT = 'De netstroom van het basisstation is hersteld.' WHERE TYPEN = 27;
UPDATE ALARMTYPE SET NAMEHUN = 'Bázisállomás áram helyreállt', SHORTNAMEHUN = 'AramOK',
  TEXTHUN = 'A bázisállomás áramellátása helyreállt.' WHERE TYPEN = 27;
UPDATE ALARMTYPE SET NAMENOR = 'Strøm til basestasjonen igjen', SHORTNAMENOR = 'StromOK',
  TEXTNOR = 'Strømmen til basestasjonen er tilbake.' WHERE TYPEN = 27;
UPDATE ALARMTYPE SET NAMEPOR = 'Energia da base reposta', SHORTNAMEPOR = 'EnergiaOK',
  TEXTPOR = 'A alimentação da estação base foi reposta.' WHERE TYPEN = 27;
UPDATE ALARMTYPE SET NAMEEST = 'Tugijaama toide taastus', SHORTNAMEEST = 'ToideOK',
  TEXTEST = 'Tugijaama võrgutoide on taastunud.' WHERE TYPEN = 27;
UPDATE ALARMTYPE SET NAMEITA = 'Rete ripristinata sulla base', SHORTNAMEITA = 'ReteOK',
  TEXTITA = 'L''alimentazione di rete della stazione base è stata ripristinata.' WHERE TYPEN = 27;
UPDATE ALARMTYPE SET NAMESLO = 'Napajanje baze obnovljeno', SHORTNAMESLO = 'NapajOK',
  TEXTSLO = 'Napajanje bazne postaje je obnovljeno.' WHERE TYPEN = 27;
UPDATE ALARMTYPE SET NAMESPA = 'Corriente restablecida base', SHORTNAMESPA = 'CorrOK',
  TEXTSPA = 'Se ha restablecido la corriente de la estación base.' WHERE TYPEN = 27;

-- 30: connection to a device lost
INSERT INTO ALARMTYPE (ORGID, TYPEN, NAME, TEXT, STATUS, ALARMGROUP, SPEECH, CORRIDOR, PUSHTONE, CORRSOUNDFILE, FWDSYSTEM,
  UNITTYPEMASK, MASK0, MASK1, MASK2, MASK3, MASK4, MASK5, MASK6, MASK7, MASK8, MASK9, MASK10, MASKS)
  VALUES (1, 30, 'Yhteys katkennut', 'Pelmar Harbo ei saa yhteyttä laitteeseen. Tarkista laitteen virta ja yhteys.', 4, 4, 0, 1, 3, 0, 0,
  160, 0, 0, 0, 0, 0, 1, 0, 1, 0, 0, 0, 1);
UPDATE ALARMTYPE SET NAMEFIN = 'Yhteys katkennut', SHORTNAMEFIN = 'YhtKatk',
  TEXTFIN = 'Pelmar Harbo ei saa yhteyttä laitteeseen. Tarkista laitteen virta ja yhteys.' WHERE TYPEN = 30;
UPDATE ALARMTYPE SET NAMEENG = 'Connection lost', SHORTNAMEENG = 'ConnLost',
  TEXTENG = 'Pelmar Harbo cannot reach the device. Check the power and the connection of the device.' WHERE TYPEN = 30;
UPDATE ALARMTYPE SET NAMESWE = 'Förbindelsen bruten', SHORTNAMESWE = 'FbBruten',
  TEXTSWE = 'Pelmar Harbo når inte enheten. Kontrollera enhetens ström och förbindelse.' WHERE TYPEN = 30;
UPDATE ALARMTYPE SET NAMEFRA = 'Connexion perdue', SHORTNAMEFRA = 'ConnPerd',
  TEXTFRA = 'Pelmar Harbo ne parvient pas à joindre l''appareil. Vérifiez son alimentation et sa connexion.' WHERE TYPEN = 30;
UPDATE ALARMTYPE SET NAMEGER = 'Verbindung unterbrochen', SHORTNAMEGER = 'VerbUnterb',
  TEXTGER = 'Pelmar Harbo erreicht das Gerät nicht. Prüfen Sie Stromversorgung und Verbindung des Geräts.' WHERE TYPEN = 30;
UPDATE ALARMTYPE SET NAMEDUT = 'Verbinding verbroken', SHORTNAMEDUT = 'VerbVerbr',
  TEXTDUT = 'Pelmar Harbo kan het apparaat niet bereiken. Controleer de voeding en de verbinding van het apparaat.' WHERE TYPEN = 30;
UPDATE ALARMTYPE SET NAMEHUN = 'Megszakadt a kapcsolat', SHORTNAMEHUN = 'KapcsMegsz',
  TEXTHUN = 'A Pelmar Harbo nem éri el a készüléket. Nézze meg a készülék tápellátását és kapcsolatát.' WHERE TYPEN = 30;
UPDATE ALARMTYPE SET NAMENOR = 'Forbindelsen brutt', SHORTNAMENOR = 'ForbBrutt',
  TEXTNOR = 'Pelmar Harbo når ikke enheten. Kontroller strøm og forbindelse til enheten.' WHERE TYPEN = 30;
UPDATE ALARMTYPE SET NAMEPOR = 'Ligação perdida', SHORTNAMEPOR = 'LigPerd',
  TEXTPOR = 'O Pelmar Harbo não consegue contactar o aparelho. Verifique a alimentação e a ligação do aparelho.' WHERE TYPEN = 30;
UPDATE ALARMTYPE SET NAMEEST = 'Ühendus katkenud', SHORTNAMEEST = 'UhendKatk',
  TEXTEST = 'Pelmar Harbo ei saa seadmega ühendust. Kontrollige seadme toidet ja ühendust.' WHERE TYPEN = 30;
UPDATE ALARMTYPE SET NAMEITA = 'Connessione persa', SHORTNAMEITA = 'ConnPersa',
  TEXTITA = 'Pelmar Harbo non riesce a raggiungere il dispositivo. Controllare l''alimentazione e la connessione.' WHERE TYPEN = 30;
UPDATE ALARMTYPE SET NAMESLO = 'Povezava prekinjena', SHORTNAMESLO = 'PovPrek',
  TEXTSLO = 'Pelmar Harbo ne more vzpostaviti povezave z napravo. Preverite napajanje in povezavo.' WHERE TYPEN = 30;
UPDATE ALARMTYPE SET NAMESPA = 'Conexión perdida', SHORTNAMESPA = 'ConexPerd',
  TEXTSPA = 'Pelmar Harbo no puede comunicarse con el dispositivo. Compruebe la alimentación y la conexión.' WHERE TYPEN = 30;

-- 36: connection to a device restored
INSERT INTO ALARMTYPE (ORGID, TYPEN, NAME, TEXT, STATUS, ALARMGROUP, SPEECH, CORRIDOR, PUSHTONE, CORRSOUNDFILE, FWDSYSTEM,
  UNITTYPEMASK, MASK0, MASK1, MASK2, MASK3, MASK4, MASK5, MASK6, MASK7, MASK8, MASK9, MASK10, MASKS)
  VALUES (1, 36, 'Yhteys palautunut', 'Yhteys laitteeseen on palautunut.', 2, 4, 0, 1, 3, 0, 0,
  160, 0, 0, 0, 0, 0, 1, 0, 1, 0, 0, 0, 1);
UPDATE ALARMTYPE SET NAMEFIN = 'Yhteys palautunut', SHORTNAMEFIN = 'YhtOK',
  TEXTFIN = 'Yhteys laitteeseen on palautunut.' WHERE TYPEN = 36;
UPDATE ALARMTYPE SET NAMEENG = 'Connection restored', SHORTNAMEENG = 'ConnOK',
  TEXTENG = 'The connection to the device has been restored.' WHERE TYPEN = 36;
UPDATE ALARMTYPE SET NAMESWE = 'Förbindelsen återställd', SHORTNAMESWE = 'FbOK',
  TEXTSWE = 'Förbindelsen till enheten har återställts.' WHERE TYPEN = 36;
UPDATE ALARMTYPE SET NAMEFRA = 'Connexion rétablie', SHORTNAMEFRA = 'ConnOK',
  TEXTFRA = 'La connexion avec l''appareil est rétablie.' WHERE TYPEN = 36;
UPDATE ALARMTYPE SET NAMEGER = 'Verbindung wiederhergestellt', SHORTNAMEGER = 'VerbOK',
  TEXTGER = 'Die Verbindung zum Gerät ist wiederhergestellt.' WHERE TYPEN = 36;
UPDATE ALARMTYPE SET NAMEDUT = 'Verbinding hersteld', SHORTNAMEDUT = 'VerbOK',
  TEXTDUT = 'De verbinding met het apparaat is hersteld.' WHERE TYPEN = 36;
UPDATE ALARMTYPE SET NAMEHUN = 'Kapcsolat helyreállt', SHORTNAMEHUN = 'KapcsOK',
  TEXTHUN = 'A kapcsolat a készülékkel helyreállt.' WHERE TYPEN = 36;
UPDATE ALARMTYPE SET NAMENOR = 'Forbindelsen gjenopprettet', SHORTNAMENOR = 'ForbOK',
  TEXTNOR = 'Forbindelsen til enheten er gjenopprettet.' WHERE TYPEN = 36;
UPDATE ALARMTYPE SET NAMEPOR = 'Ligação restabelecida', SHORTNAMEPOR = 'LigOK',
  TEXTPOR = 'A ligação ao aparelho foi restabelecida.' WHERE TYPEN = 36;
UPDATE ALARMTYPE SET NAMEEST = 'Ühendus taastunud', SHORTNAMEEST = 'UhendOK',
  TEXTEST = 'Ühendus seadmega on taastunud.' WHERE TYPEN = 36;
UPDATE ALARMTYPE SET NAMEITA = 'Connessione ripristinata', SHORTNAMEITA = 'ConnOK',
  TEXTITA = 'La connessione con il dispositivo è stata ripristinata.' WHERE TYPEN = 36;
UPDATE ALARMTYPE SET NAMESLO = 'Povezava obnovljena', SHORTNAMESLO = 'PovOK',
  TEXTSLO = 'Povezava z napravo je obnovljena.' WHERE TYPEN = 36;
UPDATE ALARMTYPE SET NAMESPA = 'Conexión restablecida', SHORTNAMESPA = 'ConexOK',
  TEXTSPA = 'Se ha restablecido la conexión con el dispositivo.' WHERE TYPEN = 36;

-- 41: low temperature (names set by step 7000)
INSERT INTO ALARMTYPE (ORGID, TYPEN, NAME, TEXT, STATUS, ALARMGROUP, SPEECH, CORRIDOR, PUSHTONE, CORRSOUNDFILE, FWDSYSTEM,
  UNITTYPEMASK, MASK0, MASK1, MASK2, MASK3, MASK4, MASK5, MASK6, MASK7, MASK8, MASK9, MASK10, MASKS)
  VALUES (1, 41, 'Alhainen lämpötila', 'Asiakkaan asunnon lämpötila on laskenut liian alhaiseksi.', 3, 4, 1, 1, 1, 0, 0,
  687, 1, 1, 1, 1, 0, 1, 0, 1, 0, 1, 0, 0);
UPDATE ALARMTYPE SET NAMEFIN = 'Alhainen lämpötila', SHORTNAMEFIN = 'AlhLampo',
  TEXTFIN = 'Asiakkaan asunnon lämpötila on laskenut liian alhaiseksi.' WHERE TYPEN = 41;
UPDATE ALARMTYPE SET NAMEENG = 'Low temperature', SHORTNAMEENG = 'LowTemp',
  TEXTENG = 'The temperature in the customer''s home has fallen too low.' WHERE TYPEN = 41;
UPDATE ALARMTYPE SET NAMESWE = 'Låg temperatur', SHORTNAMESWE = 'Temp',
  TEXTSWE = 'Temperaturen i kundens bostad har sjunkit för lågt.' WHERE TYPEN = 41;
UPDATE ALARMTYPE SET NAMEFRA = 'Température basse', SHORTNAMEFRA = 'Temp',
  TEXTFRA = 'La température du logement du client est trop basse.' WHERE TYPEN = 41;
UPDATE ALARMTYPE SET NAMEGER = 'Niedrige Temperatur', SHORTNAMEGER = 'Temp',
  TEXTGER = 'Die Temperatur in der Wohnung des Kunden ist zu niedrig.' WHERE TYPEN = 41;
UPDATE ALARMTYPE SET NAMEDUT = 'Lage temperatuur', SHORTNAMEDUT = 'Temp',
  TEXTDUT = 'De temperatuur in de woning van de cliënt is te laag.' WHERE TYPEN = 41;
UPDATE ALARMTYPE SET NAMEHUN = 'Low temperature', SHORTNAMEHUN = 'LowTemp',
  TEXTHUN = 'The temperature in the customer''s home has fallen too low.' WHERE TYPEN = 41;
UPDATE ALARMTYPE SET NAMENOR = 'Lav temperatur', SHORTNAMENOR = 'Temp',
  TEXTNOR = 'Temperaturen i brukerens bolig har sunket for lavt.' WHERE TYPEN = 41;
UPDATE ALARMTYPE SET NAMEPOR = 'Temperatura baixa', SHORTNAMEPOR = 'Temp',
  TEXTPOR = 'A temperatura na casa do cliente desceu demasiado.' WHERE TYPEN = 41;
UPDATE ALARMTYPE SET NAMEEST = 'Madal temperatuur', SHORTNAMEEST = 'Temp',
  TEXTEST = 'Temperatuur kliendi kodus on langenud liiga madalaks.' WHERE TYPEN = 41;
UPDATE ALARMTYPE SET NAMEITA = 'Temperatura bassa', SHORTNAMEITA = 'Temp',
  TEXTITA = 'La temperatura nell''abitazione del cliente è scesa troppo.' WHERE TYPEN = 41;
UPDATE ALARMTYPE SET NAMESLO = 'Nizka temperatura', SHORTNAMESLO = 'Temp',
  TEXTSLO = 'Temperatura v stanovanju uporabnika je prenizka.' WHERE TYPEN = 41;
UPDATE ALARMTYPE SET NAMESPA = 'Temperatura baja', SHORTNAMESPA = 'Temp',
  TEXTSPA = 'La temperatura en la vivienda del cliente ha bajado demasiado.' WHERE TYPEN = 41;

-- 42: door left open
INSERT INTO ALARMTYPE (ORGID, TYPEN, NAME, TEXT, STATUS, ALARMGROUP, SPEECH, CORRIDOR, PUSHTONE, CORRSOUNDFILE, FWDSYSTEM,
  UNITTYPEMASK, MASK0, MASK1, MASK2, MASK3, MASK4, MASK5, MASK6, MASK7, MASK8, MASK9, MASK10, MASKS)
  VALUES (1, 42, 'Ovi auki', 'Valvottu ovi on jäänyt auki.', 3, 4, 1, 1, 2, 0, 0,
  144, 0, 0, 0, 0, 1, 0, 0, 1, 0, 0, 0, 0);
UPDATE ALARMTYPE SET NAMEFIN = 'Ovi auki', SHORTNAMEFIN = 'OviAuki',
  TEXTFIN = 'Valvottu ovi on jäänyt auki.' WHERE TYPEN = 42;
UPDATE ALARMTYPE SET NAMEENG = 'Door open', SHORTNAMEENG = 'DoorOpen',
  TEXTENG = 'A monitored door has been left open.' WHERE TYPEN = 42;
UPDATE ALARMTYPE SET NAMESWE = 'Dörr öppen', SHORTNAMESWE = 'DorrOppen',
  TEXTSWE = 'En övervakad dörr har lämnats öppen.' WHERE TYPEN = 42;
UPDATE ALARMTYPE SET NAMEFRA = 'Porte ouverte', SHORTNAMEFRA = 'PorteOuv',
  TEXTFRA = 'Une porte surveillée est restée ouverte.' WHERE TYPEN = 42;
UPDATE ALARMTYPE SET NAMEGER = 'Tür offen', SHORTNAMEGER = 'TuerOffen',
  TEXTGER = 'Eine überwachte Tür ist offen geblieben.' WHERE TYPEN = 42;
UPDATE ALARMTYPE SET NAMEDUT = 'Deur open', SHORTNAMEDUT = 'DeurOpen',
  TEXTDUT = 'Een bewaakte deur is open blijven staan.' WHERE TYPEN = 42;
UPDATE ALARMTYPE SET NAMEHUN = 'Nyitott ajtó', SHORTNAMEHUN = 'AjtoNyitva',
  TEXTHUN = 'Egy felügyelt ajtó nyitva maradt.' WHERE TYPEN = 42;
UPDATE ALARMTYPE SET NAMENOR = 'Dør åpen', SHORTNAMENOR = 'DorApen',
  TEXTNOR = 'En overvåket dør står åpen.' WHERE TYPEN = 42;
UPDATE ALARMTYPE SET NAMEPOR = 'Porta aberta', SHORTNAMEPOR = 'PortaAb',
  TEXTPOR = 'Uma porta vigiada ficou aberta.' WHERE TYPEN = 42;
UPDATE ALARMTYPE SET NAMEEST = 'Uks lahti', SHORTNAMEEST = 'UksLahti',
  TEXTEST = 'Valvatav uks on jäänud lahti.' WHERE TYPEN = 42;
UPDATE ALARMTYPE SET NAMEITA = 'Porta aperta', SHORTNAMEITA = 'PortaAp',
  TEXTITA = 'Una porta sorvegliata è rimasta aperta.' WHERE TYPEN = 42;
UPDATE ALARMTYPE SET NAMESLO = 'Vrata odprta', SHORTNAMESLO = 'VrataOdpr',
  TEXTSLO = 'Nadzorovana vrata so ostala odprta.' WHERE TYPEN = 42;
UPDATE ALARMTYPE SET NAMESPA = 'Puerta abierta', SHORTNAMESPA = 'PuertaAb',
  TEXTSPA = 'Una puerta vigilada se ha quedado abierta.' WHERE TYPEN = 42;

-- 50: fall alarm
INSERT INTO ALARMTYPE (ORGID, TYPEN, NAME, TEXT, STATUS, ALARMGROUP, SPEECH, CORRIDOR, PUSHTONE, CORRSOUNDFILE, FWDSYSTEM,
  UNITTYPEMASK, MASK0, MASK1, MASK2, MASK3, MASK4, MASK5, MASK6, MASK7, MASK8, MASK9, MASK10, MASKS)
  VALUES (1, 50, 'Kaatumishälytys', 'Kaatumisanturi on havainnut asiakkaan kaatumisen.', 3, 3, 1, 1, 4, 0, 0,
  2015, 1, 1, 1, 1, 1, 0, 1, 1, 1, 1, 1, 0);
UPDATE ALARMTYPE SET NAMEFIN = 'Kaatumishälytys', SHORTNAMEFIN = 'Kaatuminen',
  TEXTFIN = 'Kaatumisanturi on havainnut asiakkaan kaatumisen.' WHERE TYPEN = 50;
UPDATE ALARMTYPE SET NAMEENG = 'Fall alarm', SHORTNAMEENG = 'Fall',
  TEXTENG = 'The fall detector has detected that the customer has fallen.' WHERE TYPEN = 50;
UPDATE ALARMTYPE SET NAMESWE = 'Fallarm', SHORTNAMESWE = 'Fall',
  TEXTSWE = 'Falldetektorn har upptäckt att kunden har fallit.' WHERE TYPEN = 50;
UPDATE ALARMTYPE SET NAMEFRA = 'Alarme de chute', SHORTNAMEFRA = 'Chute',
  TEXTFRA = 'Le détecteur de chute a détecté une chute du client.' WHERE TYPEN = 50;
UPDATE ALARMTYPE SET NAMEGER = 'Sturzalarm', SHORTNAMEGER = 'Sturz',
  TEXTGER = 'Der Sturzmelder hat einen Sturz des Kunden erkannt.' WHERE TYPEN = 50;
UPDATE ALARMTYPE SET NAMEDUT = 'Valalarm', SHORTNAMEDUT = 'Val',
  TEXTDUT = 'De valdetector heeft vastgesteld dat de cliënt is gevallen.' WHERE TYPEN = 50;
UPDATE ALARMTYPE SET NAMEHUN = 'Elesésriasztás', SHORTNAMEHUN = 'Eses',
  TEXTHUN = 'A készülék az ügyfél elesését észlelte.' WHERE TYPEN = 50;
UPDATE ALARMTYPE SET NAMENOR = 'Fallalarm', SHORTNAMENOR = 'Fall',
  TEXTNOR = 'Falldetektoren har oppdaget at brukeren har falt.' WHERE TYPEN = 50;
UPDATE ALARMTYPE SET NAMEPOR = 'Alarme de queda', SHORTNAMEPOR = 'Queda',
  TEXTPOR = 'O detetor de quedas detetou uma queda do cliente.' WHERE TYPEN = 50;
UPDATE ALARMTYPE SET NAMEEST = 'Kukkumishäire', SHORTNAMEEST = 'Kukkumine',
  TEXTEST = 'Kukkumisandur tuvastas kliendi kukkumise.' WHERE TYPEN = 50;
UPDATE ALARMTYPE SET NAMEITA = 'Allarme caduta', SHORTNAMEITA = 'Caduta',
  TEXTITA = 'Il rilevatore di caduta ha rilevato una caduta del cliente.' WHERE TYPEN = 50;
UPDATE ALARMTYPE SET NAMESLO = 'Alarm padca', SHORTNAMESLO = 'Padec',
  TEXTSLO = 'Senzor padca je zaznal padec uporabnika.' WHERE TYPEN = 50;
UPDATE ALARMTYPE SET NAMESPA = 'Alarma de caída', SHORTNAMESPA = 'Caida',
  TEXTSPA = 'El detector de caídas ha detectado una caída del cliente.' WHERE TYPEN = 50;

-- 57: nurse present (Finnish text corrected by step 6172)
INSERT INTO ALARMTYPE (ORGID, TYPEN, NAME, TEXT, STATUS, ALARMGROUP, SPEECH, CORRIDOR, PUSHTONE, CORRSOUNDFILE, FWDSYSTEM,
  UNITTYPEMASK, MASK0, MASK1, MASK2, MASK3, MASK4, MASK5, MASK6, MASK7, MASK8, MASK9, MASK10, MASKS)
  VALUES (1, 57, 'Hoitaja paikalla', 'Hoitaja on saapunut asiakkaan luo. Ilmoitus lähtee, kun hoitaja painaa asiakkaan ranneketta tai Hoitaja paikalla -painiketta.', 2, 3, 1, 1, 3, 0, 0,
  767, 1, 1, 1, 1, 1, 1, 1, 1, 0, 1, 0, 0);
UPDATE ALARMTYPE SET NAMEFIN = 'Hoitaja paikalla', SHORTNAMEFIN = 'HoitPaik',
  TEXTFIN = 'Hoitaja on saapunut asiakkaan luo. Ilmoitus lähtee, kun hoitaja painaa asiakkaan ranneketta tai Hoitaja paikalla -painiketta.' WHERE TYPEN = 57;
UPDATE ALARMTYPE SET NAMEENG = 'Nurse present', SHORTNAMEENG = 'NursePres',
  TEXTENG = 'A nurse has arrived at the customer. The notification is sent when the nurse presses the customer''s watch or the Nurse present button.' WHERE TYPEN = 57;
UPDATE ALARMTYPE SET NAMESWE = 'Vårdare på plats', SHORTNAMESWE = 'VardPPl',
  TEXTSWE = 'En vårdare har kommit till kunden. Meddelandet skickas när vårdaren trycker på kundens klocka eller på knappen Vårdare på plats.' WHERE TYPEN = 57;
UPDATE ALARMTYPE SET NAMEFRA = 'Soignant présent', SHORTNAMEFRA = 'SoignPres',
  TEXTFRA = 'Un soignant est arrivé chez le client. La notification est envoyée quand il appuie sur la montre du client ou sur le bouton Soignant présent.' WHERE TYPEN = 57;
UPDATE ALARMTYPE SET NAMEGER = 'Pflegekraft anwesend', SHORTNAMEGER = 'PflegeAnw',
  TEXTGER = 'Eine Pflegekraft ist beim Kunden eingetroffen. Die Meldung wird gesendet, wenn sie die Uhr des Kunden oder die Taste Pflegekraft anwesend drückt.' WHERE TYPEN = 57;
UPDATE ALARMTYPE SET NAMEDUT = 'Verzorger aanwezig', SHORTNAMEDUT = 'VerzAanw',
  TEXTDUT = 'Een verzorger is bij de cliënt aangekomen. De melding wordt verstuurd als de verzorger op het horloge van de cliënt of op de knop Verzorger aanwezig drukt.' WHERE TYPEN = 57;
UPDATE ALARMTYPE SET NAMEHUN = 'Ápoló jelen van', SHORTNAMEHUN = 'ApoloJelen',
  TEXTHUN = 'Az ápoló megérkezett az ügyfélhez.' WHERE TYPEN = 57;
UPDATE ALARMTYPE SET NAMENOR = 'Pleier til stede', SHORTNAMENOR = 'PleierTS',
  TEXTNOR = 'En pleier har kommet til brukeren. Meldingen sendes når pleieren trykker på brukerens klokke eller på knappen Pleier til stede.' WHERE TYPEN = 57;
UPDATE ALARMTYPE SET NAMEPOR = 'Cuidador presente', SHORTNAMEPOR = 'CuidPres',
  TEXTPOR = 'Um cuidador chegou junto do cliente. A notificação é enviada quando o cuidador prime o relógio do cliente ou o botão Cuidador presente.' WHERE TYPEN = 57;
UPDATE ALARMTYPE SET NAMEEST = 'Hooldaja kohal', SHORTNAMEEST = 'HooldKohal',
  TEXTEST = 'Hooldaja on jõudnud kliendi juurde.' WHERE TYPEN = 57;
UPDATE ALARMTYPE SET NAMEITA = 'Operatore presente', SHORTNAMEITA = 'OperPres',
  TEXTITA = 'Un operatore è arrivato dal cliente. La notifica viene inviata quando l''operatore preme l''orologio del cliente o il pulsante Operatore presente.' WHERE TYPEN = 57;
UPDATE ALARMTYPE SET NAMESLO = 'Negovalec prisoten', SHORTNAMESLO = 'NegPris',
  TEXTSLO = 'Negovalec je prispel k uporabniku.' WHERE TYPEN = 57;
UPDATE ALARMTYPE SET NAMESPA = 'Cuidador presente', SHORTNAMESPA = 'CuidPres',
  TEXTSPA = 'Un cuidador ha llegado junto al cliente. El aviso se envía cuando el cuidador pulsa el reloj del cliente o el botón Cuidador presente.' WHERE TYPEN = 57;

-- 58: call for extra help (added by step 6001)
INSERT INTO ALARMTYPE (ORGID, TYPEN, NAME, TEXT, STATUS, ALARMGROUP, SPEECH, CORRIDOR, PUSHTONE, CORRSOUNDFILE, FWDSYSTEM,
  UNITTYPEMASK, MASK0, MASK1, MASK2, MASK3, MASK4, MASK5, MASK6, MASK7, MASK8, MASK9, MASK10, MASKS)
  VALUES (1, 58, 'Lisäavunpyyntö', 'Hoitaja pyytää lisäapua asiakkaan hoitamiseen.', 3, 3, 1, 1, 4, 0, 0,
  639, 1, 1, 1, 1, 1, 1, 1, 0, 0, 1, 0, 0);
UPDATE ALARMTYPE SET NAMEFIN = 'Lisäavunpyyntö', SHORTNAMEFIN = 'LisaApu',
  TEXTFIN = 'Hoitaja pyytää lisäapua asiakkaan hoitamiseen.' WHERE TYPEN = 58;
UPDATE ALARMTYPE SET NAMEENG = 'Call for extra help', SHORTNAMEENG = 'ExtraHelp',
  TEXTENG = 'This is a call for nursing staff for extra help in taking care of a customer.' WHERE TYPEN = 58;
UPDATE ALARMTYPE SET NAMESWE = 'Extrahjälp', SHORTNAMESWE = 'ExtrHj',
  TEXTSWE = 'Vårdpersonalen behöver extra hjälp med att ta hand om en kund.' WHERE TYPEN = 58;
UPDATE ALARMTYPE SET NAMEFRA = 'Demande d''aide', SHORTNAMEFRA = 'AideSupp',
  TEXTFRA = 'Le personnel soignant demande de l''aide supplémentaire pour s''occuper d''un client.' WHERE TYPEN = 58;
UPDATE ALARMTYPE SET NAMEGER = 'Zusätzliche Hilfe anfordern', SHORTNAMEGER = 'ExtraHilfe',
  TEXTGER = 'Das Pflegepersonal braucht zusätzliche Hilfe bei der Versorgung eines Kunden.' WHERE TYPEN = 58;
UPDATE ALARMTYPE SET NAMEDUT = 'Oproep voor extra hulp', SHORTNAMEDUT = 'ExtraHulp',
  TEXTDUT = 'De verzorging vraagt om extra hulp bij de zorg voor een cliënt.' WHERE TYPEN = 58;
UPDATE ALARMTYPE SET NAMEHUN = 'További segítség kérése', SHORTNAMEHUN = 'TovSegit',
  TEXTHUN = 'Az ápolók további segítséget kérnek egy ügyfél ellátásához.' WHERE TYPEN = 58;
UPDATE ALARMTYPE SET NAMENOR = 'Anrop om ekstra hjelp', SHORTNAMENOR = 'EkstraHj',
  TEXTNOR = 'Pleiepersonalet ber om ekstra hjelp med å ta seg av en bruker.' WHERE TYPEN = 58;
UPDATE ALARMTYPE SET NAMEPOR = 'Pedido de ajuda extra', SHORTNAMEPOR = 'AjudaExtra',
  TEXTPOR = 'O pessoal de enfermagem pede ajuda extra para cuidar de um cliente.' WHERE TYPEN = 58;
UPDATE ALARMTYPE SET NAMEEST = 'Lisaabi kutse', SHORTNAMEEST = 'Lisaabi',
  TEXTEST = 'Hooldaja vajab kliendi hooldamisel lisaabi.' WHERE TYPEN = 58;
UPDATE ALARMTYPE SET NAMEITA = 'Richiesta di aiuto extra', SHORTNAMEITA = 'AiutoExtra',
  TEXTITA = 'Il personale infermieristico chiede ulteriore aiuto nell''assistenza di un cliente.' WHERE TYPEN = 58;
UPDATE ALARMTYPE SET NAMESLO = 'Zahteva za dodatno osebje', SHORTNAMESLO = 'DodOsebje',
  TEXTSLO = 'Negovalno osebje potrebuje dodatnega sodelavca.' WHERE TYPEN = 58;
UPDATE ALARMTYPE SET NAMESPA = 'Petición de ayuda extra', SHORTNAMESPA = 'AyudaExtr',
  TEXTSPA = 'El personal de enfermería pide ayuda adicional para atender a un cliente.' WHERE TYPEN = 58;

-- 59: extra help present (added by step 6001)
INSERT INTO ALARMTYPE (ORGID, TYPEN, NAME, TEXT, STATUS, ALARMGROUP, SPEECH, CORRIDOR, PUSHTONE, CORRSOUNDFILE, FWDSYSTEM,
  UNITTYPEMASK, MASK0, MASK1, MASK2, MASK3, MASK4, MASK5, MASK6, MASK7, MASK8, MASK9, MASK10, MASKS)
  VALUES (1, 59, 'Lisäapu paikalla', 'Lisäapu on saapunut paikalle, eikä enempää apua tarvita.', 3, 3, 1, 1, 3, 0, 0,
  639, 1, 1, 1, 1, 1, 1, 1, 0, 0, 1, 0, 0);
UPDATE ALARMTYPE SET NAMEFIN = 'Lisäapu paikalla', SHORTNAMEFIN = 'ApuPaik',
  TEXTFIN = 'Lisäapu on saapunut paikalle, eikä enempää apua tarvita.' WHERE TYPEN = 59;
UPDATE ALARMTYPE SET NAMEENG = 'Extra help present', SHORTNAMEENG = 'HelpPres',
  TEXTENG = 'This is a a notification that requested extra help has arrived and no further help is needed.' WHERE TYPEN = 59;
UPDATE ALARMTYPE SET NAMESWE = 'Extrahjälp på plats', SHORTNAMESWE = 'ExHjPPl',
  TEXTSWE = 'Den begärda extra hjälpen har kommit och ingen mer hjälp behövs.' WHERE TYPEN = 59;
UPDATE ALARMTYPE SET NAMEFRA = 'Aide arrivée', SHORTNAMEFRA = 'AideArivee',
  TEXTFRA = 'L''aide demandée est arrivée, aucune aide supplémentaire n''est nécessaire.' WHERE TYPEN = 59;
UPDATE ALARMTYPE SET NAMEGER = 'Zusätzliche Hilfe anwesend', SHORTNAMEGER = 'HilfeAnw',
  TEXTGER = 'Die angeforderte Hilfe ist eingetroffen, weitere Hilfe wird nicht benötigt.' WHERE TYPEN = 59;
UPDATE ALARMTYPE SET NAMEDUT = 'Extra hulp aanwezig', SHORTNAMEDUT = 'HulpAanw',
  TEXTDUT = 'De gevraagde extra hulp is aangekomen en er is geen verdere hulp nodig.' WHERE TYPEN = 59;
UPDATE ALARMTYPE SET NAMEHUN = 'További segítség megérkezett', SHORTNAMEHUN = 'SegitsOK',
  TEXTHUN = 'A kért segítség megérkezett, további segítségre nincs szükség.' WHERE TYPEN = 59;
UPDATE ALARMTYPE SET NAMENOR = 'Ekstra hjelp til stede', SHORTNAMENOR = 'HjelpTS',
  TEXTNOR = 'Den ekstra hjelpen er kommet, og det trengs ikke mer hjelp.' WHERE TYPEN = 59;
UPDATE ALARMTYPE SET NAMEPOR = 'Ajuda extra presente', SHORTNAMEPOR = 'AjudaPres',
  TEXTPOR = 'A ajuda pedida chegou e não é necessária mais ajuda.' WHERE TYPEN = 59;
UPDATE ALARMTYPE SET NAMEEST = 'Lisaabi kohal', SHORTNAMEEST = 'LisaabiOK',
  TEXTEST = 'Lisaabi on kohale jõudnud, rohkem abi pole vaja.' WHERE TYPEN = 59;
UPDATE ALARMTYPE SET NAMEITA = 'Aiuto extra presente', SHORTNAMEITA = 'AiutoPres',
  TEXTITA = 'L''aiuto richiesto è arrivato, non serve altro aiuto.' WHERE TYPEN = 59;
UPDATE ALARMTYPE SET NAMESLO = 'Dodatno osebje prisotno', SHORTNAMESLO = 'OsebjePr',
  TEXTSLO = 'Dodatno osebje je prispelo.' WHERE TYPEN = 59;
UPDATE ALARMTYPE SET NAMESPA = 'Ayuda extra presente', SHORTNAMESPA = 'AyudaPres',
  TEXTSPA = 'La ayuda solicitada ha llegado y no se necesita más ayuda.' WHERE TYPEN = 59;

-- 69: test alarm (added by step 5100)
INSERT INTO ALARMTYPE (ORGID, TYPEN, NAME, TEXT, STATUS, ALARMGROUP, SPEECH, CORRIDOR, PUSHTONE, CORRSOUNDFILE, FWDSYSTEM,
  UNITTYPEMASK, MASK0, MASK1, MASK2, MASK3, MASK4, MASK5, MASK6, MASK7, MASK8, MASK9, MASK10, MASKS)
  VALUES (1, 69, 'Testihälytys', 'Tämä on testihälytys.', 1, 3, 1, 1, 3, 0, 0,
  1056, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 1);
UPDATE ALARMTYPE SET NAMEFIN = 'Testihälytys', SHORTNAMEFIN = 'Testi',
  TEXTFIN = 'Tämä on testihälytys.' WHERE TYPEN = 69;
UPDATE ALARMTYPE SET NAMEENG = 'Test alarm', SHORTNAMEENG = 'Test',
  TEXTENG = 'This is a test alarm.' WHERE TYPEN = 69;
UPDATE ALARMTYPE SET NAMESWE = 'Testlarm', SHORTNAMESWE = 'Test',
  TEXTSWE = 'Detta är ett testlarm.' WHERE TYPEN = 69;
UPDATE ALARMTYPE SET NAMEFRA = 'Alarme de test', SHORTNAMEFRA = 'Test',
  TEXTFRA = 'C’est une alarme de test.' WHERE TYPEN = 69;
UPDATE ALARMTYPE SET NAMEGER = 'Testalarm', SHORTNAMEGER = 'Test',
  TEXTGER = 'Dies ist ein Testalarm.' WHERE TYPEN = 69;
UPDATE ALARMTYPE SET NAMEDUT = 'Testalarm', SHORTNAMEDUT = 'Test',
  TEXTDUT = 'Dit is een testalarm.' WHERE TYPEN = 69;
UPDATE ALARMTYPE SET NAMEHUN = 'Tesztriasztás', SHORTNAMEHUN = 'Teszt',
  TEXTHUN = 'Ez egy tesztriasztás.' WHERE TYPEN = 69;
UPDATE ALARMTYPE SET NAMENOR = 'Testalarm', SHORTNAMENOR = 'Test',
  TEXTNOR = 'Dette er en testalarm.' WHERE TYPEN = 69;
UPDATE ALARMTYPE SET NAMEPOR = 'Alarme de teste', SHORTNAMEPOR = 'Teste',
  TEXTPOR = 'Este é um alarme de teste.' WHERE TYPEN = 69;
UPDATE ALARMTYPE SET NAMEEST = 'Testhäire', SHORTNAMEEST = 'Test',
  TEXTEST = 'See on testhäire.' WHERE TYPEN = 69;
UPDATE ALARMTYPE SET NAMEITA = 'Allarme di prova', SHORTNAMEITA = 'Prova',
  TEXTITA = 'Questo è un allarme di prova.' WHERE TYPEN = 69;
UPDATE ALARMTYPE SET NAMESLO = 'Testni alarm', SHORTNAMESLO = 'Test',
  TEXTSLO = 'To je testni alarm.' WHERE TYPEN = 69;
UPDATE ALARMTYPE SET NAMESPA = 'Alarma de prueba', SHORTNAMESPA = 'Prueba',
  TEXTSPA = 'Esta es una alarma de prueba.' WHERE TYPEN = 69;

-- 70: emergency call (added by step 6001)
INSERT INTO ALARMTYPE (ORGID, TYPEN, NAME, TEXT, STATUS, ALARMGROUP, SPEECH, CORRIDOR, PUSHTONE, CORRSOUNDFILE, FWDSYSTEM,
  UNITTYPEMASK, MASK0, MASK1, MASK2, MASK3, MASK4, MASK5, MASK6, MASK7, MASK8, MASK9, MASK10, MASKS)
  VALUES (1, 70, 'Hätäapu', 'Tämä on kiireellinen hätäavun kutsu.', 3, 3, 1, 1, 4, 0, 0,
  639, 1, 1, 1, 1, 1, 1, 1, 0, 0, 1, 0, 0);
UPDATE ALARMTYPE SET NAMEFIN = 'Hätäapu', SHORTNAMEFIN = 'Hata',
  TEXTFIN = 'Tämä on kiireellinen hätäavun kutsu.' WHERE TYPEN = 70;
UPDATE ALARMTYPE SET NAMEENG = 'Emergency call', SHORTNAMEENG = 'Emerg',
  TEXTENG = 'This is an urgent emergency call for help.' WHERE TYPEN = 70;
UPDATE ALARMTYPE SET NAMESWE = 'Nödhjälp', SHORTNAMESWE = 'Nodhjalp',
  TEXTSWE = 'Detta är ett brådskande nödanrop.' WHERE TYPEN = 70;
UPDATE ALARMTYPE SET NAMEFRA = 'Appel d''urgence', SHORTNAMEFRA = 'Urgence',
  TEXTFRA = 'Ceci est un appel d''urgence pour une aide immédiate.' WHERE TYPEN = 70;
UPDATE ALARMTYPE SET NAMEGER = 'Notruf', SHORTNAMEGER = 'Notruf',
  TEXTGER = 'Dies ist ein dringender Notruf.' WHERE TYPEN = 70;
UPDATE ALARMTYPE SET NAMEDUT = 'Noodoproep', SHORTNAMEDUT = 'Noodoproep',
  TEXTDUT = 'Dit is een dringende noodoproep om hulp.' WHERE TYPEN = 70;
UPDATE ALARMTYPE SET NAMEHUN = 'Vészhívás', SHORTNAMEHUN = 'Veszhivas',
  TEXTHUN = 'Ez egy azonnali segélyhívás.' WHERE TYPEN = 70;
UPDATE ALARMTYPE SET NAMENOR = 'Nødanrop', SHORTNAMENOR = 'Nodanrop',
  TEXTNOR = 'Dette er et hastende nødanrop om hjelp.' WHERE TYPEN = 70;
UPDATE ALARMTYPE SET NAMEPOR = 'Chamada de emergência', SHORTNAMEPOR = 'Emergenc',
  TEXTPOR = 'Esta é uma chamada urgente de emergência.' WHERE TYPEN = 70;
UPDATE ALARMTYPE SET NAMEEST = 'Hädaabikutse', SHORTNAMEEST = 'Hadaabi',
  TEXTEST = 'See on kiireloomuline hädaabikutse.' WHERE TYPEN = 70;
UPDATE ALARMTYPE SET NAMEITA = 'Chiamata di emergenza', SHORTNAMEITA = 'Emergenza',
  TEXTITA = 'Questa è una chiamata urgente di emergenza.' WHERE TYPEN = 70;
UPDATE ALARMTYPE SET NAMESLO = 'Klic v sili', SHORTNAMESLO = 'KlicVSili',
  TEXTSLO = 'To je nujen klic v sili.' WHERE TYPEN = 70;
UPDATE ALARMTYPE SET NAMESPA = 'Llamada de emergencia', SHORTNAMESPA = 'Emergenc',
  TEXTSPA = 'Esta es una llamada urgente de emergencia.' WHERE TYPEN = 70;

-- 71: device interface malfunction (added by step 6001)
INSERT INTO ALARMTYPE (ORGID, TYPEN, NAME, TEXT, STATUS, ALARMGROUP, SPEECH, CORRIDOR, PUSHTONE, CORRSOUNDFILE, FWDSYSTEM,
  UNITTYPEMASK, MASK0, MASK1, MASK2, MASK3, MASK4, MASK5, MASK6, MASK7, MASK8, MASK9, MASK10, MASKS)
  VALUES (1, 71, 'Laiteliittimen toimintahäiriö', 'Ilmoitus on itsediagnostiikkahälytys. Järjestelmä on havainnut mahdollisen toimintahäiriön laiteliittimessä, esimerkiksi virheellisen pariston vaihdon jälkeen. Tarkista laitteen toiminta ja ota yhteys huoltoon.', 3, 4, 1, 1, 3, 0, 0,
  16, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0);
UPDATE ALARMTYPE SET NAMEFIN = 'Laiteliittimen toimintahäiriö', SHORTNAMEFIN = 'LLHairio',
  TEXTFIN = 'Ilmoitus on itsediagnostiikkahälytys. Järjestelmä on havainnut mahdollisen toimintahäiriön laiteliittimessä, esimerkiksi virheellisen pariston vaihdon jälkeen. Tarkista laitteen toiminta ja ota yhteys huoltoon.' WHERE TYPEN = 71;
UPDATE ALARMTYPE SET NAMEENG = 'Device Interface malfunction', SHORTNAMEENG = 'DIMalf',
  TEXTENG = 'The notification is a self-diagnostics alarm. It is triggered when the system has noticed a possible malfunction in the Device Interface. This could be due to faulty battery replacement. Please check the functionality of the unit. Contact the maintenance.' WHERE TYPEN = 71;
UPDATE ALARMTYPE SET NAMESWE = 'Kopplingsdosans funkt.störning', SHORTNAMESWE = 'KdosFunkS',
  TEXTSWE = 'Meddelandet är ett självdiagnoslarm. Systemet har upptäckt en möjlig störning i kopplingsdosan, till exempel efter ett felaktigt batteribyte. Kontrollera enheten och kontakta underhållet.' WHERE TYPEN = 71;
UPDATE ALARMTYPE SET NAMEFRA = 'Dysfonctionnement DI', SHORTNAMEFRA = 'DysfDI',
  TEXTFRA = 'Cette notification est une alarme d''autodiagnostic : le système a détecté un dysfonctionnement possible du DI, par exemple après un mauvais remplacement de la pile. Vérifiez l''appareil et contactez la maintenance.' WHERE TYPEN = 71;
UPDATE ALARMTYPE SET NAMEGER = 'Störung Geräteschnittstelle', SHORTNAMEGER = 'DIStoer',
  TEXTGER = 'Diese Meldung ist ein Selbstdiagnosealarm. Das System hat eine mögliche Störung der Geräteschnittstelle festgestellt, etwa nach einem fehlerhaften Batteriewechsel. Prüfen Sie das Gerät und verständigen Sie die Wartung.' WHERE TYPEN = 71;
UPDATE ALARMTYPE SET NAMEDUT = 'Contact Interface storing', SHORTNAMEDUT = 'CIStoring',
  TEXTDUT = 'Deze melding is een zelfdiagnosealarm. Het systeem heeft een mogelijke storing in de Contact Interface vastgesteld, bijvoorbeeld na een verkeerde batterijwissel. Controleer het apparaat en neem contact op met het onderhoud.' WHERE TYPEN = 71;
UPDATE ALARMTYPE SET NAMEHUN = 'Készülékcsatoló hiba', SHORTNAMEHUN = 'DIHiba',
  TEXTHUN = 'A rendszer lehetséges hibát észlelt a készülékcsatolóban. Nézze meg a készüléket és forduljon a karbantartáshoz.' WHERE TYPEN = 71;
UPDATE ALARMTYPE SET NAMENOR = 'Feil i enhetsgrensesnitt', SHORTNAMENOR = 'DIFeil',
  TEXTNOR = 'Meldingen er en selvdiagnosealarm. Systemet har oppdaget en mulig feil i enhetsgrensesnittet, for eksempel etter feil batteribytte. Kontroller enheten og kontakt vedlikehold.' WHERE TYPEN = 71;
UPDATE ALARMTYPE SET NAMEPOR = 'Avaria da interface DI', SHORTNAMEPOR = 'AvariaDI',
  TEXTPOR = 'Esta notificação é um alarme de autodiagnóstico. O sistema detetou uma possível avaria na interface DI, por exemplo após uma troca incorreta da pilha. Verifique o aparelho e contacte a manutenção.' WHERE TYPEN = 71;
UPDATE ALARMTYPE SET NAMEEST = 'Seadmeliidese rike', SHORTNAMEEST = 'DIRike',
  TEXTEST = 'Süsteem on tuvastanud seadmeliidese võimaliku rikke, näiteks pärast vale patareivahetust. Kontrollige seadet ja võtke ühendust hooldusega.' WHERE TYPEN = 71;
UPDATE ALARMTYPE SET NAMEITA = 'Malfunzionamento DI', SHORTNAMEITA = 'MalfDI',
  TEXTITA = 'Questa notifica è un allarme di autodiagnosi. Il sistema ha rilevato un possibile malfunzionamento dell''interfaccia DI, ad esempio dopo una sostituzione errata della batteria. Controllare l''unità e contattare la manutenzione.' WHERE TYPEN = 71;
UPDATE ALARMTYPE SET NAMESLO = 'Napaka vmesnika DI', SHORTNAMESLO = 'NapakaDI',
  TEXTSLO = 'Sistem je zaznal morebitno napako vmesnika DI. Preverite napravo in se obrnite na servis.' WHERE TYPEN = 71;
UPDATE ALARMTYPE SET NAMESPA = 'Fallo de la interfaz DI', SHORTNAMESPA = 'FalloDI',
  TEXTSPA = 'Esta notificación es una alarma de autodiagnóstico. El sistema ha detectado un posible fallo en la interfaz DI, por ejemplo tras un cambio incorrecto de la pila. Compruebe el equipo y contacte con mantenimiento.' WHERE TYPEN = 71;

-- 72: peripheral alarm (added by step 6003, texts by step 6172)
INSERT INTO ALARMTYPE (ORGID, TYPEN, NAME, TEXT, STATUS, ALARMGROUP, SPEECH, CORRIDOR, PUSHTONE, CORRSOUNDFILE, FWDSYSTEM,
  UNITTYPEMASK, MASK0, MASK1, MASK2, MASK3, MASK4, MASK5, MASK6, MASK7, MASK8, MASK9, MASK10, MASKS)
  VALUES (1, 72, 'Lisälaitehälytys', 'Hälytys laiteliittimeen kytketystä lisälaitteesta.', 3, 4, 1, 1, 1, 0, 0,
  272, 0, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0);
UPDATE ALARMTYPE SET NAMEFIN = 'Lisälaitehälytys', SHORTNAMEFIN = 'LisaLait',
  TEXTFIN = 'Hälytys laiteliittimeen kytketystä lisälaitteesta.' WHERE TYPEN = 72;
UPDATE ALARMTYPE SET NAMEENG = 'Peripheral alarm', SHORTNAMEENG = 'Perip',
  TEXTENG = 'Alarm from a peripheral connected to a Device Interface.' WHERE TYPEN = 72;
UPDATE ALARMTYPE SET NAMESWE = 'Larm från extraenhet', SHORTNAMESWE = 'ExtraEnhet',
  TEXTSWE = 'Larm från en extraenhet ansluten till en kopplingsdosa.' WHERE TYPEN = 72;
UPDATE ALARMTYPE SET NAMEFRA = 'Alarme d''un périférique sur DI', SHORTNAMEFRA = 'PerifDI',
  TEXTFRA = 'Alarme d''un périphérique raccordé à un DI.' WHERE TYPEN = 72;
UPDATE ALARMTYPE SET NAMEGER = 'Peripheriealarm', SHORTNAMEGER = 'Periph',
  TEXTGER = 'Alarm von einem an eine Geräteschnittstelle angeschlossenen Peripheriegerät.' WHERE TYPEN = 72;
UPDATE ALARMTYPE SET NAMEDUT = 'Apparaat alarm', SHORTNAMEDUT = 'Appar',
  TEXTDUT = 'Alarm van een apparaat dat op een Contact Interface is aangesloten.' WHERE TYPEN = 72;
UPDATE ALARMTYPE SET NAMEHUN = 'Periféria riasztás', SHORTNAMEHUN = 'Periferia',
  TEXTHUN = 'Riasztás egy készülékcsatolóhoz kapcsolt perifériáról.' WHERE TYPEN = 72;
UPDATE ALARMTYPE SET NAMENOR = 'Alarm fra tilleggsenhet', SHORTNAMENOR = 'Tillegg',
  TEXTNOR = 'Alarm fra en tilleggsenhet koblet til et enhetsgrensesnitt.' WHERE TYPEN = 72;
UPDATE ALARMTYPE SET NAMEPOR = 'Alarme de periférico', SHORTNAMEPOR = 'Perif',
  TEXTPOR = 'Alarme de um periférico ligado a uma interface DI.' WHERE TYPEN = 72;
UPDATE ALARMTYPE SET NAMEEST = 'Lisaseadme häire', SHORTNAMEEST = 'Lisaseade',
  TEXTEST = 'Häire seadmeliidesega ühendatud lisaseadmelt.' WHERE TYPEN = 72;
UPDATE ALARMTYPE SET NAMEITA = 'Allarme periferica', SHORTNAMEITA = 'Perif',
  TEXTITA = 'Allarme da una periferica collegata a un''interfaccia DI.' WHERE TYPEN = 72;
UPDATE ALARMTYPE SET NAMESLO = 'Alarm zunanje naprave', SHORTNAMESLO = 'ZunNaprava',
  TEXTSLO = 'Alarm zunanje naprave, priklopljene na vmesnik DI.' WHERE TYPEN = 72;
UPDATE ALARMTYPE SET NAMESPA = 'Alarma de periférico', SHORTNAMESPA = 'Perif',
  TEXTSPA = 'Alarma de un periférico conectado a una interfaz DI.' WHERE TYPEN = 72;

-- 73: toilet alarm (added by step 6003, texts by step 6172)
INSERT INTO ALARMTYPE (ORGID, TYPEN, NAME, TEXT, STATUS, ALARMGROUP, SPEECH, CORRIDOR, PUSHTONE, CORRSOUNDFILE, FWDSYSTEM,
  UNITTYPEMASK, MASK0, MASK1, MASK2, MASK3, MASK4, MASK5, MASK6, MASK7, MASK8, MASK9, MASK10, MASKS)
  VALUES (1, 73, 'WC-hälytys', 'Hälytys laiteliittimeen kytketystä WC-hälytyspainikkeesta.', 3, 4, 1, 1, 1, 0, 0,
  16, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0);
UPDATE ALARMTYPE SET NAMEFIN = 'WC-hälytys', SHORTNAMEFIN = 'WC',
  TEXTFIN = 'Hälytys laiteliittimeen kytketystä WC-hälytyspainikkeesta.' WHERE TYPEN = 73;
UPDATE ALARMTYPE SET NAMEENG = 'Toilet alarm', SHORTNAMEENG = 'Toilet',
  TEXTENG = 'Alarm from a toilet alarm button connected to a Device Interface.' WHERE TYPEN = 73;
UPDATE ALARMTYPE SET NAMESWE = 'Toilet larm', SHORTNAMESWE = 'Toilet',
  TEXTSWE = 'Larm från en toalettlarmknapp ansluten till en kopplingsdosa.' WHERE TYPEN = 73;
UPDATE ALARMTYPE SET NAMEFRA = 'Alarme de Toilette', SHORTNAMEFRA = 'Toilette',
  TEXTFRA = 'Alarme d''un bouton d''appel de toilette raccordé à un DI.' WHERE TYPEN = 73;
UPDATE ALARMTYPE SET NAMEGER = 'Toilettenalarm', SHORTNAMEGER = 'Toilette',
  TEXTGER = 'Alarm von einem an eine Geräteschnittstelle angeschlossenen Toilettenrufknopf.' WHERE TYPEN = 73;
UPDATE ALARMTYPE SET NAMEDUT = 'Toilet alarm', SHORTNAMEDUT = 'Toilet',
  TEXTDUT = 'Alarm van een toiletalarmknop die op een Contact Interface is aangesloten.' WHERE TYPEN = 73;
UPDATE ALARMTYPE SET NAMEHUN = 'WC riasztás', SHORTNAMEHUN = 'WC',
  TEXTHUN = 'Riasztás egy készülékcsatolóhoz kapcsolt WC-hívógombról.' WHERE TYPEN = 73;
UPDATE ALARMTYPE SET NAMENOR = 'Toalettalarm', SHORTNAMENOR = 'Toalett',
  TEXTNOR = 'Alarm fra en toalettalarmknapp koblet til et enhetsgrensesnitt.' WHERE TYPEN = 73;
UPDATE ALARMTYPE SET NAMEPOR = 'Alarme de casa de banho', SHORTNAMEPOR = 'WC',
  TEXTPOR = 'Alarme de um botão de chamada da casa de banho ligado a uma interface DI.' WHERE TYPEN = 73;
UPDATE ALARMTYPE SET NAMEEST = 'WC-häire', SHORTNAMEEST = 'WC',
  TEXTEST = 'Häire seadmeliidesega ühendatud WC-kutsenupult.' WHERE TYPEN = 73;
UPDATE ALARMTYPE SET NAMEITA = 'Allarme bagno', SHORTNAMEITA = 'Bagno',
  TEXTITA = 'Allarme da un pulsante del bagno collegato a un''interfaccia DI.' WHERE TYPEN = 73;
UPDATE ALARMTYPE SET NAMESLO = 'WC alarm', SHORTNAMESLO = 'WC',
  TEXTSLO = 'Alarm iz WC gumba, priklopljenega na vmesnik DI.' WHERE TYPEN = 73;
UPDATE ALARMTYPE SET NAMESPA = 'Alarma de baño', SHORTNAMESPA = 'Bano',
  TEXTSPA = 'Alarma de un pulsador de baño conectado a una interfaz DI.' WHERE TYPEN = 73;

-- 74: base station battery nearly empty (added by step 6003, texts by step 6172)
INSERT INTO ALARMTYPE (ORGID, TYPEN, NAME, TEXT, STATUS, ALARMGROUP, SPEECH, CORRIDOR, PUSHTONE, CORRSOUNDFILE, FWDSYSTEM,
  UNITTYPEMASK, MASK0, MASK1, MASK2, MASK3, MASK4, MASK5, MASK6, MASK7, MASK8, MASK9, MASK10, MASKS)
  VALUES (1, 74, 'Tukiaseman akku lähes tyhjä', 'Kotitukiaseman akku on lähes tyhjä, käyttöaikaa on noin 2 tuntia. Kytke virtajohto heti takaisin.', 3, 4, 1, 1, 3, 0, 0,
  128, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 1);
UPDATE ALARMTYPE SET NAMEFIN = 'Tukiaseman akku lähes tyhjä', SHORTNAMEFIN = 'TukiAkku',
  TEXTFIN = 'Kotitukiaseman akku on lähes tyhjä, käyttöaikaa on noin 2 tuntia. Kytke virtajohto heti takaisin.' WHERE TYPEN = 74;
UPDATE ALARMTYPE SET NAMEENG = 'Base station batt nearly empty', SHORTNAMEENG = 'BaseBatt',
  TEXTENG = 'This notification is triggered when the rechargeable battery of a home base station is nearly empty. This means approx. 2 hours of battery use. Immediately plug back the mains power cord.' WHERE TYPEN = 74;
UPDATE ALARMTYPE SET NAMESWE = 'Basstationens batt nästan tomt', SHORTNAMESWE = 'BasBatt',
  TEXTSWE = 'Hemmabasstationens batteri är nästan tomt, ca 2 timmars drift återstår. Anslut nätsladden genast.' WHERE TYPEN = 74;
UPDATE ALARMTYPE SET NAMEFRA = 'Batt. de la base presque vide', SHORTNAMEFRA = 'BaseBatt',
  TEXTFRA = 'La batterie de la station de base est presque vide, environ 2 heures d''autonomie. Rebranchez immédiatement le cordon secteur.' WHERE TYPEN = 74;
UPDATE ALARMTYPE SET NAMEGER = 'Akku Basisstation fast leer', SHORTNAMEGER = 'BasisAkku',
  TEXTGER = 'Der Akku der Basisstation ist fast leer, das reicht noch etwa 2 Stunden. Stecken Sie das Netzkabel sofort wieder ein.' WHERE TYPEN = 74;
UPDATE ALARMTYPE SET NAMEDUT = 'B-Station batterij bijna leeg', SHORTNAMEDUT = 'BasBatt',
  TEXTDUT = 'De batterij van het basisstation is bijna leeg, nog ongeveer 2 uur. Sluit de netvoeding direct weer aan.' WHERE TYPEN = 74;
UPDATE ALARMTYPE SET NAMEHUN = 'Bázisállomás akku majdnem üres', SHORTNAMEHUN = 'BazisAkku',
  TEXTHUN = 'A bázisállomás akkumulátora majdnem lemerült, kb. 2 óra múlva kikapcsol. Csatlakoztassa azonnal a tápkábelt.' WHERE TYPEN = 74;
UPDATE ALARMTYPE SET NAMENOR = 'Basestasjon batteri lavt', SHORTNAMENOR = 'BaseBatt',
  TEXTNOR = 'Batteriet i basestasjonen er nesten tomt, ca. 2 timer igjen. Koble til strømledningen straks.' WHERE TYPEN = 74;
UPDATE ALARMTYPE SET NAMEPOR = 'Bateria da base quase vazia', SHORTNAMEPOR = 'BaseBat',
  TEXTPOR = 'A bateria da estação base está quase vazia, cerca de 2 horas de funcionamento. Ligue já o cabo de alimentação.' WHERE TYPEN = 74;
UPDATE ALARMTYPE SET NAMEEST = 'Tugijaama aku peaaegu tühi', SHORTNAMEEST = 'TugiAku',
  TEXTEST = 'Tugijaama aku on peaaegu tühi, tööaega on umbes 2 tundi. Ühendage toitejuhe kohe.' WHERE TYPEN = 74;
UPDATE ALARMTYPE SET NAMEITA = 'Batteria base quasi scarica', SHORTNAMEITA = 'BattBase',
  TEXTITA = 'La batteria della stazione base è quasi scarica, circa 2 ore di autonomia. Ricollegare subito il cavo di alimentazione.' WHERE TYPEN = 74;
UPDATE ALARMTYPE SET NAMESLO = 'Baterija baze skoraj prazna', SHORTNAMESLO = 'BazaBat',
  TEXTSLO = 'Baterija bazne postaje je skoraj prazna. Takoj priklopite napajalni kabel.' WHERE TYPEN = 74;
UPDATE ALARMTYPE SET NAMESPA = 'Batería de la base casi vacía', SHORTNAMESPA = 'BaseBat',
  TEXTSPA = 'La batería de la estación base está casi vacía, quedan unas 2 horas. Conecte de inmediato el cable de alimentación.' WHERE TYPEN = 74;

-- 75: locator out of use (added by step 6302)
INSERT INTO ALARMTYPE (ORGID, TYPEN, NAME, TEXT, STATUS, ALARMGROUP, SPEECH, CORRIDOR, PUSHTONE, CORRSOUNDFILE, FWDSYSTEM,
  UNITTYPEMASK, MASK0, MASK1, MASK2, MASK3, MASK4, MASK5, MASK6, MASK7, MASK8, MASK9, MASK10, MASKS)
  VALUES (1, 75, 'Ambro pois käytöstä', 'Harbo-tietokone ei ole saanut signaaleja Ambro-laitteelta 30 minuuttiin; aika on säädettävissä.', 3, 3, 1, 1, 3, 0, 0,
  256, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0);
UPDATE ALARMTYPE SET NAMEFIN = 'Ambro pois käytöstä', SHORTNAMEFIN = 'AmbPois',
  TEXTFIN = 'Harbo-tietokone ei ole saanut signaaleja Ambro-laitteelta 30 minuuttiin; aika on säädettävissä.' WHERE TYPEN = 75;
UPDATE ALARMTYPE SET NAMEENG = 'Ambro out of use', SHORTNAMEENG = 'AmbFail',
  TEXTENG = 'This notification is triggered when the Harbo computer has not received any signals from the Ambro device for 30 minutes; time adjustable.' WHERE TYPEN = 75;
UPDATE ALARMTYPE SET NAMESWE = 'Ambro ur funktion', SHORTNAMESWE = 'AmbFel',
  TEXTSWE = 'Harbo-datorn har inte fått några signaler från Ambro-enheten på 30 minuter; tiden kan ställas in.' WHERE TYPEN = 75;
UPDATE ALARMTYPE SET NAMEFRA = 'Ambro hors service', SHORTNAMEFRA = 'AmbHS',
  TEXTFRA = 'L''ordinateur Harbo n''a reçu aucun signal de l''appareil Ambro depuis 30 minutes ; durée réglable.' WHERE TYPEN = 75;
UPDATE ALARMTYPE SET NAMEGER = 'Ambro außer Betrieb', SHORTNAMEGER = 'AmbAus',
  TEXTGER = 'Der Harbo-Rechner hat seit 30 Minuten keine Signale vom Ambro-Gerät empfangen; die Zeit ist einstellbar.' WHERE TYPEN = 75;
UPDATE ALARMTYPE SET NAMEDUT = 'Ambro buiten gebruik', SHORTNAMEDUT = 'AmbBuiten',
  TEXTDUT = 'De Harbo-computer heeft al 30 minuten geen signalen van het Ambro-apparaat ontvangen; de tijd is instelbaar.' WHERE TYPEN = 75;
UPDATE ALARMTYPE SET NAMEHUN = 'Ambro nem üzemel', SHORTNAMEHUN = 'AmbHiba',
  TEXTHUN = 'Az Ambro készülék 30 perce nem küldött jelet a Harbo számítógépnek; ez a határ állítható.' WHERE TYPEN = 75;
UPDATE ALARMTYPE SET NAMENOR = 'Ambro ute av drift', SHORTNAMENOR = 'AmbFeil',
  TEXTNOR = 'Harbo-datamaskinen har ikke mottatt signaler fra Ambro-enheten på 30 minutter; tiden kan justeres.' WHERE TYPEN = 75;
UPDATE ALARMTYPE SET NAMEPOR = 'Ambro fora de serviço', SHORTNAMEPOR = 'AmbFora',
  TEXTPOR = 'O computador Harbo não recebe sinais do aparelho Ambro há 30 minutos; tempo ajustável.' WHERE TYPEN = 75;
UPDATE ALARMTYPE SET NAMEEST = 'Ambro ei tööta', SHORTNAMEEST = 'AmbRike',
  TEXTEST = 'Harbo arvuti pole 30 minuti jooksul Ambro seadmelt signaale saanud; aeg on seadistatav.' WHERE TYPEN = 75;
UPDATE ALARMTYPE SET NAMEITA = 'Ambro fuori servizio', SHORTNAMEITA = 'AmbFuori',
  TEXTITA = 'Il computer Harbo non riceve segnali dal dispositivo Ambro da 30 minuti; tempo regolabile.' WHERE TYPEN = 75;
UPDATE ALARMTYPE SET NAMESLO = 'Ambro ne deluje', SHORTNAMESLO = 'AmbNapaka',
  TEXTSLO = 'Harbo 30 minut ni prejel signalov naprave Ambro.' WHERE TYPEN = 75;
UPDATE ALARMTYPE SET NAMESPA = 'Ambro fuera de servicio', SHORTNAMESPA = 'AmbFuera',
  TEXTSPA = 'El ordenador Harbo no recibe señales del dispositivo Ambro desde hace 30 minutos; tiempo ajustable.' WHERE TYPEN = 75;

-- 76: locator back in use (added by step 6302)
INSERT INTO ALARMTYPE (ORGID, TYPEN, NAME, TEXT, STATUS, ALARMGROUP, SPEECH, CORRIDOR, PUSHTONE, CORRSOUNDFILE, FWDSYSTEM,
  UNITTYPEMASK, MASK0, MASK1, MASK2, MASK3, MASK4, MASK5, MASK6, MASK7, MASK8, MASK9, MASK10, MASKS)
  VALUES (1, 76, 'Ambro taas käytössä', 'Ambro-laitteen toiminta on palautunut.', 3, 3, 1, 1, 3, 0, 0,
  256, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0);
UPDATE ALARMTYPE SET NAMEFIN = 'Ambro taas käytössä', SHORTNAMEFIN = 'AmbTaka',
  TEXTFIN = 'Ambro-laitteen toiminta on palautunut.' WHERE TYPEN = 76;
UPDATE ALARMTYPE SET NAMEENG = 'Ambro back in use', SHORTNAMEENG = 'AmbOK',
  TEXTENG = 'This notification is triggered once the Ambro device operation has been restored.' WHERE TYPEN = 76;
UPDATE ALARMTYPE SET NAMESWE = 'Ambro i funktion igen', SHORTNAMESWE = 'AmbOK',
  TEXTSWE = 'Ambro-enhetens funktion har återställts.' WHERE TYPEN = 76;
UPDATE ALARMTYPE SET NAMEFRA = 'Ambro de nouveau en service', SHORTNAMEFRA = 'AmbOK',
  TEXTFRA = 'Le fonctionnement de l''appareil Ambro est rétabli.' WHERE TYPEN = 76;
UPDATE ALARMTYPE SET NAMEGER = 'Ambro wieder in Betrieb', SHORTNAMEGER = 'AmbOK',
  TEXTGER = 'Der Betrieb des Ambro-Geräts ist wiederhergestellt.' WHERE TYPEN = 76;
UPDATE ALARMTYPE SET NAMEDUT = 'Ambro weer in gebruik', SHORTNAMEDUT = 'AmbOK',
  TEXTDUT = 'De werking van het Ambro-apparaat is hersteld.' WHERE TYPEN = 76;
UPDATE ALARMTYPE SET NAMEHUN = 'Ambro ismét üzemel', SHORTNAMEHUN = 'AmbOK',
  TEXTHUN = 'Az Ambro készülék ismét üzemel.' WHERE TYPEN = 76;
UPDATE ALARMTYPE SET NAMENOR = 'Ambro i drift igjen', SHORTNAMENOR = 'AmbOK',
  TEXTNOR = 'Driften av Ambro-enheten er gjenopprettet.' WHERE TYPEN = 76;
UPDATE ALARMTYPE SET NAMEPOR = 'Ambro de novo em serviço', SHORTNAMEPOR = 'AmbOK',
  TEXTPOR = 'O funcionamento do aparelho Ambro foi restabelecido.' WHERE TYPEN = 76;
UPDATE ALARMTYPE SET NAMEEST = 'Ambro taas töös', SHORTNAMEEST = 'AmbOK',
  TEXTEST = 'Ambro seadme töö on taastunud.' WHERE TYPEN = 76;
UPDATE ALARMTYPE SET NAMEITA = 'Ambro di nuovo in servizio', SHORTNAMEITA = 'AmbOK',
  TEXTITA = 'Il funzionamento del dispositivo Ambro è stato ripristinato.' WHERE TYPEN = 76;
UPDATE ALARMTYPE SET NAMESLO = 'Ambro spet deluje', SHORTNAMESLO = 'AmbOK',
  TEXTSLO = 'Naprava Ambro spet deluje.' WHERE TYPEN = 76;
UPDATE ALARMTYPE SET NAMESPA = 'Ambro de nuevo en servicio', SHORTNAMESPA = 'AmbOK',
  TEXTSPA = 'Se ha restablecido el funcionamiento del dispositivo Ambro.' WHERE TYPEN = 76;

-- 77: locator left the control area (added by step 6302)
INSERT INTO ALARMTYPE (ORGID, TYPEN, NAME, TEXT, STATUS, ALARMGROUP, SPEECH, CORRIDOR, PUSHTONE, CORRSOUNDFILE, FWDSYSTEM,
  UNITTYPEMASK, MASK0, MASK1, MASK2, MASK3, MASK4, MASK5, MASK6, MASK7, MASK8, MASK9, MASK10, MASKS)
  VALUES (1, 77, 'Poistuttu alueelta', 'Ambro-laitetta käyttävä asiakas on poistunut hänelle asetetulta valvonta-alueelta.', 3, 3, 1, 1, 2, 0, 0,
  256, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0);
UPDATE ALARMTYPE SET NAMEFIN = 'Poistuttu alueelta', SHORTNAMEFIN = 'PoistAlu',
  TEXTFIN = 'Ambro-laitetta käyttävä asiakas on poistunut hänelle asetetulta valvonta-alueelta.' WHERE TYPEN = 77;
UPDATE ALARMTYPE SET NAMEENG = 'Left control area', SHORTNAMEENG = 'AmbLeft',
  TEXTENG = 'This notification is triggered when the customer using the Ambro device has left the control area set for her.' WHERE TYPEN = 77;
UPDATE ALARMTYPE SET NAMESWE = 'Lämnat bevakningsområdet', SHORTNAMESWE = 'AmbLamnat',
  TEXTSWE = 'Kunden med Ambro-enheten har lämnat det bevakningsområde som ställts in för henne.' WHERE TYPEN = 77;
UPDATE ALARMTYPE SET NAMEFRA = 'Sortie de la zone', SHORTNAMEFRA = 'AmbSortie',
  TEXTFRA = 'La cliente utilisant l''appareil Ambro a quitté la zone de surveillance définie pour elle.' WHERE TYPEN = 77;
UPDATE ALARMTYPE SET NAMEGER = 'Kontrollbereich verlassen', SHORTNAMEGER = 'AmbRaus',
  TEXTGER = 'Die Kundin mit dem Ambro-Gerät hat den für sie festgelegten Kontrollbereich verlassen.' WHERE TYPEN = 77;
UPDATE ALARMTYPE SET NAMEDUT = 'Controlegebied verlaten', SHORTNAMEDUT = 'AmbWeg',
  TEXTDUT = 'De cliënte met het Ambro-apparaat heeft het voor haar ingestelde controlegebied verlaten.' WHERE TYPEN = 77;
UPDATE ALARMTYPE SET NAMEHUN = 'Elhagyta a felügyelt területet', SHORTNAMEHUN = 'AmbKi',
  TEXTHUN = 'Az Ambro készüléket használó ügyfél elhagyta a számára beállított felügyelt területet.' WHERE TYPEN = 77;
UPDATE ALARMTYPE SET NAMENOR = 'Forlatt kontrollområdet', SHORTNAMENOR = 'AmbUte',
  TEXTNOR = 'Brukeren med Ambro-enheten har forlatt kontrollområdet som er satt for henne.' WHERE TYPEN = 77;
UPDATE ALARMTYPE SET NAMEPOR = 'Saiu da área de controlo', SHORTNAMEPOR = 'AmbSaiu',
  TEXTPOR = 'A cliente que usa o aparelho Ambro saiu da área de controlo definida para ela.' WHERE TYPEN = 77;
UPDATE ALARMTYPE SET NAMEEST = 'Lahkus valvealalt', SHORTNAMEEST = 'AmbValjas',
  TEXTEST = 'Ambro seadet kasutav klient lahkus talle määratud valvealalt.' WHERE TYPEN = 77;
UPDATE ALARMTYPE SET NAMEITA = 'Uscita dall''area di controllo', SHORTNAMEITA = 'AmbUscita',
  TEXTITA = 'La cliente che usa il dispositivo Ambro ha lasciato l''area di controllo impostata per lei.' WHERE TYPEN = 77;
UPDATE ALARMTYPE SET NAMESLO = 'Zapustil nadzorno cono', SHORTNAMESLO = 'AmbIzhod',
  TEXTSLO = 'Uporabnik naprave Ambro je zapustil nadzorno cono.' WHERE TYPEN = 77;
UPDATE ALARMTYPE SET NAMESPA = 'Salida del área de control', SHORTNAMESPA = 'AmbSalida',
  TEXTSPA = 'La clienta que usa el dispositivo Ambro ha salido del área de control definida para ella.' WHERE TYPEN = 77;

-- 78: locator entered the control area (added by step 6302)
INSERT INTO ALARMTYPE (ORGID, TYPEN, NAME, TEXT, STATUS, ALARMGROUP, SPEECH, CORRIDOR, PUSHTONE, CORRSOUNDFILE, FWDSYSTEM,
  UNITTYPEMASK, MASK0, MASK1, MASK2, MASK3, MASK4, MASK5, MASK6, MASK7, MASK8, MASK9, MASK10, MASKS)
  VALUES (1, 78, 'Saavuttu alueelle', 'Ambro-laitetta käyttävä asiakas on saapunut hänelle asetetulle valvonta-alueelle.', 3, 3, 1, 1, 2, 0, 0,
  256, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0);
UPDATE ALARMTYPE SET NAMEFIN = 'Saavuttu alueelle', SHORTNAMEFIN = 'SaavAlu',
  TEXTFIN = 'Ambro-laitetta käyttävä asiakas on saapunut hänelle asetetulle valvonta-alueelle.' WHERE TYPEN = 78;
UPDATE ALARMTYPE SET NAMEENG = 'Entered control area', SHORTNAMEENG = 'AmbEnter',
  TEXTENG = 'This notification is triggered when the customer using the Ambro device has entered the control area set for her.' WHERE TYPEN = 78;
UPDATE ALARMTYPE SET NAMESWE = 'Kommit in i bevakningsområdet', SHORTNAMESWE = 'AmbInne',
  TEXTSWE = 'Kunden med Ambro-enheten har kommit in i det bevakningsområde som ställts in för henne.' WHERE TYPEN = 78;
UPDATE ALARMTYPE SET NAMEFRA = 'Entrée dans la zone', SHORTNAMEFRA = 'AmbEntree',
  TEXTFRA = 'La cliente utilisant l''appareil Ambro est entrée dans la zone de surveillance définie pour elle.' WHERE TYPEN = 78;
UPDATE ALARMTYPE SET NAMEGER = 'Kontrollbereich betreten', SHORTNAMEGER = 'AmbRein',
  TEXTGER = 'Die Kundin mit dem Ambro-Gerät hat den für sie festgelegten Kontrollbereich betreten.' WHERE TYPEN = 78;
UPDATE ALARMTYPE SET NAMEDUT = 'Controlegebied betreden', SHORTNAMEDUT = 'AmbBinnen',
  TEXTDUT = 'De cliënte met het Ambro-apparaat heeft het voor haar ingestelde controlegebied betreden.' WHERE TYPEN = 78;
UPDATE ALARMTYPE SET NAMEHUN = 'Belépett a felügyelt területre', SHORTNAMEHUN = 'AmbBe',
  TEXTHUN = 'Az Ambro készüléket használó ügyfél belépett a számára beállított felügyelt területre.' WHERE TYPEN = 78;
UPDATE ALARMTYPE SET NAMENOR = 'Kommet inn i kontrollområdet', SHORTNAMENOR = 'AmbInne',
  TEXTNOR = 'Brukeren med Ambro-enheten har kommet inn i kontrollområdet som er satt for henne.' WHERE TYPEN = 78;
UPDATE ALARMTYPE SET NAMEPOR = 'Entrou na área de controlo', SHORTNAMEPOR = 'AmbEntrou',
  TEXTPOR = 'A cliente que usa o aparelho Ambro entrou na área de controlo definida para ela.' WHERE TYPEN = 78;
UPDATE ALARMTYPE SET NAMEEST = 'Saabus valvealale', SHORTNAMEEST = 'AmbSees',
  TEXTEST = 'Ambro seadet kasutav klient saabus talle määratud valvealale.' WHERE TYPEN = 78;
UPDATE ALARMTYPE SET NAMEITA = 'Entrata nell''area di controllo', SHORTNAMEITA = 'AmbEntrata',
  TEXTITA = 'La cliente che usa il dispositivo Ambro è entrata nell''area di controllo impostata per lei.' WHERE TYPEN = 78;
UPDATE ALARMTYPE SET NAMESLO = 'Vstopil v nadzorno cono', SHORTNAMESLO = 'AmbVstop',
  TEXTSLO = 'Uporabnik naprave Ambro je vstopil v nadzorno cono.' WHERE TYPEN = 78;
UPDATE ALARMTYPE SET NAMESPA = 'Entrada al área de control', SHORTNAMESPA = 'AmbEntrada',
  TEXTSPA = 'La clienta que usa el dispositivo Ambro ha entrado en el área de control definida para ella.' WHERE TYPEN = 78;

-- 79: locator battery almost empty (added by step 6302)
INSERT INTO ALARMTYPE (ORGID, TYPEN, NAME, TEXT, STATUS, ALARMGROUP, SPEECH, CORRIDOR, PUSHTONE, CORRSOUNDFILE, FWDSYSTEM,
  UNITTYPEMASK, MASK0, MASK1, MASK2, MASK3, MASK4, MASK5, MASK6, MASK7, MASK8, MASK9, MASK10, MASKS)
  VALUES (1, 79, 'Ambron akku lähes tyhjä', 'Ambro-laitteen akku on lähes tyhjä. Lataa akku heti.', 3, 4, 1, 1, 3, 0, 0,
  256, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0);
UPDATE ALARMTYPE SET NAMEFIN = 'Ambron akku lähes tyhjä', SHORTNAMEFIN = 'AmbAkku',
  TEXTFIN = 'Ambro-laitteen akku on lähes tyhjä. Lataa akku heti.' WHERE TYPEN = 79;
UPDATE ALARMTYPE SET NAMEENG = 'Ambro battery almost empty', SHORTNAMEENG = 'AmbBatt',
  TEXTENG = 'This notification is triggered when the rechargeable battery of the Ambro device is nearly empty. The battery should be charged immediately.' WHERE TYPEN = 79;
UPDATE ALARMTYPE SET NAMESWE = 'Ambros batteri nästan tomt', SHORTNAMESWE = 'AmbBatt',
  TEXTSWE = 'Ambro-enhetens batteri är nästan tomt. Ladda batteriet genast.' WHERE TYPEN = 79;
UPDATE ALARMTYPE SET NAMEFRA = 'Batterie Ambro presque vide', SHORTNAMEFRA = 'AmbBatt',
  TEXTFRA = 'La batterie de l''appareil Ambro est presque vide. Rechargez-la immédiatement.' WHERE TYPEN = 79;
UPDATE ALARMTYPE SET NAMEGER = 'Ambro-Akku fast leer', SHORTNAMEGER = 'AmbAkku',
  TEXTGER = 'Der Akku des Ambro-Geräts ist fast leer. Laden Sie ihn sofort auf.' WHERE TYPEN = 79;
UPDATE ALARMTYPE SET NAMEDUT = 'Ambro-batterij bijna leeg', SHORTNAMEDUT = 'AmbBatt',
  TEXTDUT = 'De batterij van het Ambro-apparaat is bijna leeg. Laad de batterij meteen op.' WHERE TYPEN = 79;
UPDATE ALARMTYPE SET NAMEHUN = 'Ambro akku majdnem üres', SHORTNAMEHUN = 'AmbAkku',
  TEXTHUN = 'Az Ambro készülék akkumulátora majdnem lemerült. Töltse fel azonnal.' WHERE TYPEN = 79;
UPDATE ALARMTYPE SET NAMENOR = 'Ambro-batteri nesten tomt', SHORTNAMENOR = 'AmbBatt',
  TEXTNOR = 'Batteriet i Ambro-enheten er nesten tomt. Lad batteriet straks.' WHERE TYPEN = 79;
UPDATE ALARMTYPE SET NAMEPOR = 'Bateria Ambro quase vazia', SHORTNAMEPOR = 'AmbBat',
  TEXTPOR = 'A bateria do aparelho Ambro está quase vazia. Carregue-a imediatamente.' WHERE TYPEN = 79;
UPDATE ALARMTYPE SET NAMEEST = 'Ambro aku peaaegu tühi', SHORTNAMEEST = 'AmbAku',
  TEXTEST = 'Ambro seadme aku on peaaegu tühi. Laadige aku kohe.' WHERE TYPEN = 79;
UPDATE ALARMTYPE SET NAMEITA = 'Batteria Ambro quasi scarica', SHORTNAMEITA = 'AmbBatt',
  TEXTITA = 'La batteria del dispositivo Ambro è quasi scarica. Ricaricarla subito.' WHERE TYPEN = 79;
UPDATE ALARMTYPE SET NAMESLO = 'Baterija Ambro skoraj prazna', SHORTNAMESLO = 'AmbBat',
  TEXTSLO = 'Baterija naprave Ambro je skoraj prazna. Takoj jo napolnite.' WHERE TYPEN = 79;
UPDATE ALARMTYPE SET NAMESPA = 'Batería Ambro casi vacía', SHORTNAMESPA = 'AmbBat',
  TEXTSPA = 'La batería del dispositivo Ambro está casi vacía. Cárguela de inmediato.' WHERE TYPEN = 79;

-- 82: stove guard alarm (added by step 6302)
INSERT INTO ALARMTYPE (ORGID, TYPEN, NAME, TEXT, STATUS, ALARMGROUP, SPEECH, CORRIDOR, PUSHTONE, CORRSOUNDFILE, FWDSYSTEM,
  UNITTYPEMASK, MASK0, MASK1, MASK2, MASK3, MASK4, MASK5, MASK6, MASK7, MASK8, MASK9, MASK10, MASKS)
  VALUES (1, 82, 'Innohome-hälytys', 'Hälytys Innohome-järjestelmästä.', 3, 4, 1, 1, 3, 0, 0,
  128, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0);
UPDATE ALARMTYPE SET NAMEFIN = 'Innohome-hälytys', SHORTNAMEFIN = 'Innohome',
  TEXTFIN = 'Hälytys Innohome-järjestelmästä.' WHERE TYPEN = 82;
UPDATE ALARMTYPE SET NAMEENG = 'Innohome alarm', SHORTNAMEENG = 'Innohome',
  TEXTENG = 'Alarm from Innohome system.' WHERE TYPEN = 82;
UPDATE ALARMTYPE SET NAMESWE = 'Innohome-larm', SHORTNAMESWE = 'Innohome',
  TEXTSWE = 'Larm från Innohome-systemet.' WHERE TYPEN = 82;
UPDATE ALARMTYPE SET NAMEFRA = 'Alarme Innohome', SHORTNAMEFRA = 'Innohome',
  TEXTFRA = 'Alarme provenant du système Innohome.' WHERE TYPEN = 82;
UPDATE ALARMTYPE SET NAMEGER = 'Innohome-Alarm', SHORTNAMEGER = 'Innohome',
  TEXTGER = 'Alarm vom Innohome-System.' WHERE TYPEN = 82;
UPDATE ALARMTYPE SET NAMEDUT = 'Innohome-alarm', SHORTNAMEDUT = 'Innohome',
  TEXTDUT = 'Alarm van het Innohome-systeem.' WHERE TYPEN = 82;
UPDATE ALARMTYPE SET NAMEHUN = 'Innohome riasztás', SHORTNAMEHUN = 'Innohome',
  TEXTHUN = 'Innohome rendszer riasztása.' WHERE TYPEN = 82;
UPDATE ALARMTYPE SET NAMENOR = 'Innohome-alarm', SHORTNAMENOR = 'Innohome',
  TEXTNOR = 'Alarm fra Innohome-systemet.' WHERE TYPEN = 82;
UPDATE ALARMTYPE SET NAMEPOR = 'Alarme Innohome', SHORTNAMEPOR = 'Innohome',
  TEXTPOR = 'Alarme do sistema Innohome.' WHERE TYPEN = 82;
UPDATE ALARMTYPE SET NAMEEST = 'Innohome häire', SHORTNAMEEST = 'Innohome',
  TEXTEST = 'Häire Innohome süsteemist.' WHERE TYPEN = 82;
UPDATE ALARMTYPE SET NAMEITA = 'Allarme Innohome', SHORTNAMEITA = 'Innohome',
  TEXTITA = 'Allarme dal sistema Innohome.' WHERE TYPEN = 82;
UPDATE ALARMTYPE SET NAMESLO = 'Alarm Innohome', SHORTNAMESLO = 'Innohome',
  TEXTSLO = 'Alarm sistema Innohome.' WHERE TYPEN = 82;
UPDATE ALARMTYPE SET NAMESPA = 'Alarma Innohome', SHORTNAMESPA = 'Innohome',
  TEXTSPA = 'Alarma del sistema Innohome.' WHERE TYPEN = 82;

-- 83: nurse visit (added by step 6460)
INSERT INTO ALARMTYPE (ORGID, TYPEN, NAME, TEXT, STATUS, ALARMGROUP, SPEECH, CORRIDOR, PUSHTONE, CORRSOUNDFILE, FWDSYSTEM,
  UNITTYPEMASK, MASK0, MASK1, MASK2, MASK3, MASK4, MASK5, MASK6, MASK7, MASK8, MASK9, MASK10, MASKS)
  VALUES (1, 83, 'Hoitokäynti', 'Hoitaja on kirjannut käynnin asiakkaan luona.', 2, 3, 0, 0, 3, 0, 0,
  2047, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0);
UPDATE ALARMTYPE SET NAMEFIN = 'Hoitokäynti', SHORTNAMEFIN = 'Hoito',
  TEXTFIN = 'Hoitaja on kirjannut käynnin asiakkaan luona.' WHERE TYPEN = 83;
UPDATE ALARMTYPE SET NAMEENG = 'Nurse visit', SHORTNAMEENG = 'Visit',
  TEXTENG = 'A nurse has registered a visit at the customer.' WHERE TYPEN = 83;
UPDATE ALARMTYPE SET NAMESWE = 'Vårdbesök', SHORTNAMESWE = 'Besok',
  TEXTSWE = 'En vårdare har registrerat ett besök hos kunden.' WHERE TYPEN = 83;
UPDATE ALARMTYPE SET NAMEFRA = 'Visite de soins', SHORTNAMEFRA = 'Visite',
  TEXTFRA = 'Un soignant a enregistré une visite chez le client.' WHERE TYPEN = 83;
UPDATE ALARMTYPE SET NAMEGER = 'Pflegebesuch', SHORTNAMEGER = 'Besuch',
  TEXTGER = 'Eine Pflegekraft hat einen Besuch beim Kunden erfasst.' WHERE TYPEN = 83;
UPDATE ALARMTYPE SET NAMEDUT = 'Zorgbezoek', SHORTNAMEDUT = 'Bezoek',
  TEXTDUT = 'Een verzorger heeft een bezoek bij de cliënt geregistreerd.' WHERE TYPEN = 83;
UPDATE ALARMTYPE SET NAMEHUN = 'Ápolói látogatás', SHORTNAMEHUN = 'Latogatas',
  TEXTHUN = 'Az ápoló rögzítette a látogatást az ügyfélnél.' WHERE TYPEN = 83;
UPDATE ALARMTYPE SET NAMENOR = 'Pleiebesøk', SHORTNAMENOR = 'Besok',
  TEXTNOR = 'En pleier har registrert et besøk hos brukeren.' WHERE TYPEN = 83;
UPDATE ALARMTYPE SET NAMEPOR = 'Visita de enfermagem', SHORTNAMEPOR = 'Visita',
  TEXTPOR = 'Um cuidador registou uma visita ao cliente.' WHERE TYPEN = 83;
UPDATE ALARMTYPE SET NAMEEST = 'Hooldusvisiit', SHORTNAMEEST = 'Visiit',
  TEXTEST = 'Hooldaja on registreerinud külastuse kliendi juures.' WHERE TYPEN = 83;
UPDATE ALARMTYPE SET NAMEITA = 'Visita infermieristica', SHORTNAMEITA = 'Visita',
  TEXTITA = 'Un operatore ha registrato una visita presso il cliente.' WHERE TYPEN = 83;
UPDATE ALARMTYPE SET NAMESLO = 'Obisk negovalca', SHORTNAMESLO = 'Obisk',
  TEXTSLO = 'Negovalec je vnesel obisk pri uporabniku.' WHERE TYPEN = 83;
UPDATE ALARMTYPE SET NAMESPA = 'Visita de enfermería', SHORTNAMESPA = 'Visita',
  TEXTSPA = 'Un cuidador ha registrado una visita al cliente.' WHERE TYPEN = 83;

-- 84: KIPO phone out of use (added by step 7110; no texts)
INSERT INTO ALARMTYPE (ORGID, TYPEN, NAME, TEXT, STATUS, ALARMGROUP, SPEECH, CORRIDOR, PUSHTONE, CORRSOUNDFILE, FWDSYSTEM,
  UNITTYPEMASK, MASK0, MASK1, MASK2, MASK3, MASK4, MASK5, MASK6, MASK7, MASK8, MASK9, MASK10, MASKS)
  VALUES (1, 84, 'KIPO-puhelin pois käytöstä', '', 3, 4, 0, 1, 3, 0, 0,
  512, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0);
UPDATE ALARMTYPE SET NAMEFIN = 'KIPO-puhelin pois käytöstä', SHORTNAMEFIN = 'KIPOPois',
  TEXTFIN = '' WHERE TYPEN = 84;
UPDATE ALARMTYPE SET NAMEENG = 'KIPO phone out of use', SHORTNAMEENG = 'KIPOFail',
  TEXTENG = '' WHERE TYPEN = 84;
UPDATE ALARMTYPE SET NAMESWE = 'KIPO-telefon ur funktion', SHORTNAMESWE = 'KIPOFel',
  TEXTSWE = '' WHERE TYPEN = 84;
UPDATE ALARMTYPE SET NAMEFRA = 'Téléphone KIPO hors service', SHORTNAMEFRA = 'KIPOInacti',
  TEXTFRA = '' WHERE TYPEN = 84;
UPDATE ALARMTYPE SET NAMEGER = 'KIPO-Telefon außer Betrieb', SHORTNAMEGER = 'KIPOFehl',
  TEXTGER = '' WHERE TYPEN = 84;
UPDATE ALARMTYPE SET NAMEDUT = 'KIPO-telefoon buiten gebruik', SHORTNAMEDUT = 'KIPOFout',
  TEXTDUT = '' WHERE TYPEN = 84;
UPDATE ALARMTYPE SET NAMEHUN = 'KIPO phone out of use', SHORTNAMEHUN = 'KIPOFail',
  TEXTHUN = '' WHERE TYPEN = 84;
UPDATE ALARMTYPE SET NAMENOR = 'KIPO-telefon ute av drift', SHORTNAMENOR = 'KIPOFeil',
  TEXTNOR = '' WHERE TYPEN = 84;
UPDATE ALARMTYPE SET NAMEPOR = 'Telefone KIPO fora de serviço', SHORTNAMEPOR = 'KIPOSemUso',
  TEXTPOR = '' WHERE TYPEN = 84;
UPDATE ALARMTYPE SET NAMEEST = 'KIPO-telefon ei tööta', SHORTNAMEEST = 'KIPORike',
  TEXTEST = '' WHERE TYPEN = 84;
UPDATE ALARMTYPE SET NAMEITA = 'Telefono KIPO fuori servizio', SHORTNAMEITA = 'KIPOGuasto',
  TEXTITA = '' WHERE TYPEN = 84;
UPDATE ALARMTYPE SET NAMESLO = 'Telefon KIPO ne deluje', SHORTNAMESLO = 'KIPONapaka',
  TEXTSLO = '' WHERE TYPEN = 84;
UPDATE ALARMTYPE SET NAMESPA = 'Teléfono KIPO sin servicio', SHORTNAMESPA = 'KIPOFuera',
  TEXTSPA = '' WHERE TYPEN = 84;

-- 85: KIPO phone back in use (added by step 7110; no texts)
INSERT INTO ALARMTYPE (ORGID, TYPEN, NAME, TEXT, STATUS, ALARMGROUP, SPEECH, CORRIDOR, PUSHTONE, CORRSOUNDFILE, FWDSYSTEM,
  UNITTYPEMASK, MASK0, MASK1, MASK2, MASK3, MASK4, MASK5, MASK6, MASK7, MASK8, MASK9, MASK10, MASKS)
  VALUES (1, 85, 'KIPO-puhelin taas käytössä', '', 3, 4, 0, 1, 3, 0, 0,
  512, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0);
UPDATE ALARMTYPE SET NAMEFIN = 'KIPO-puhelin taas käytössä', SHORTNAMEFIN = 'KIPOOK',
  TEXTFIN = '' WHERE TYPEN = 85;
UPDATE ALARMTYPE SET NAMEENG = 'KIPO phone back in use', SHORTNAMEENG = 'KIPOOK',
  TEXTENG = '' WHERE TYPEN = 85;
UPDATE ALARMTYPE SET NAMESWE = 'KIPO-telefon i funktion igen', SHORTNAMESWE = 'KIPOOK',
  TEXTSWE = '' WHERE TYPEN = 85;
UPDATE ALARMTYPE SET NAMEFRA = 'Téléphone KIPO en service', SHORTNAMEFRA = 'KIPOOK',
  TEXTFRA = '' WHERE TYPEN = 85;
UPDATE ALARMTYPE SET NAMEGER = 'KIPO-Telefon wieder in Betrieb', SHORTNAMEGER = 'KIPOOK',
  TEXTGER = '' WHERE TYPEN = 85;
UPDATE ALARMTYPE SET NAMEDUT = 'KIPO-telefoon weer in gebruik', SHORTNAMEDUT = 'KIPOOK',
  TEXTDUT = '' WHERE TYPEN = 85;
UPDATE ALARMTYPE SET NAMEHUN = 'KIPO phone back in use', SHORTNAMEHUN = 'KIPOOK',
  TEXTHUN = '' WHERE TYPEN = 85;
UPDATE ALARMTYPE SET NAMENOR = 'KIPO-telefon i drift igjen', SHORTNAMENOR = 'KIPOOK',
  TEXTNOR = '' WHERE TYPEN = 85;
UPDATE ALARMTYPE SET NAMEPOR = 'Telefone KIPO de novo ativo', SHORTNAMEPOR = 'KIPOOK',
  TEXTPOR = '' WHERE TYPEN = 85;
UPDATE ALARMTYPE SET NAMEEST = 'KIPO-telefon taas töös', SHORTNAMEEST = 'KIPOOK',
  TEXTEST = '' WHERE TYPEN = 85;
UPDATE ALARMTYPE SET NAMEITA = 'Telefono KIPO di nuovo attivo', SHORTNAMEITA = 'KIPOOK',
  TEXTITA = '' WHERE TYPEN = 85;
UPDATE ALARMTYPE SET NAMESLO = 'Telefon KIPO spet deluje', SHORTNAMESLO = 'KIPOOK',
  TEXTSLO = '' WHERE TYPEN = 85;
UPDATE ALARMTYPE SET NAMESPA = 'Teléfono KIPO de nuevo activo', SHORTNAMESPA = 'KIPOOK',
  TEXTSPA = '' WHERE TYPEN = 85;

-- 86: rechargeable battery empty (added by step 7210)
INSERT INTO ALARMTYPE (ORGID, TYPEN, NAME, TEXT, STATUS, ALARMGROUP, SPEECH, CORRIDOR, PUSHTONE, CORRSOUNDFILE, FWDSYSTEM,
  UNITTYPEMASK, MASK0, MASK1, MASK2, MASK3, MASK4, MASK5, MASK6, MASK7, MASK8, MASK9, MASK10, MASKS)
  VALUES (1, 86, 'Akku tyhjä', 'Ladattava akku on lähes tyhjä. Lataa akku heti, sillä laitteen toiminta ei ole enää luotettavaa.', 3, 4, 0, 1, 3, 0, 0,
  1024, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0);
UPDATE ALARMTYPE SET NAMEFIN = 'Akku tyhjä', SHORTNAMEFIN = 'AkkuTyhja',
  TEXTFIN = 'Ladattava akku on lähes tyhjä. Lataa akku heti, sillä laitteen toiminta ei ole enää luotettavaa.' WHERE TYPEN = 86;
UPDATE ALARMTYPE SET NAMEENG = 'Battery empty', SHORTNAMEENG = 'RecharBatt',
  TEXTENG = 'This notification is triggered when the rechargeable battery is nearly empty. The battery should be charged immediately, as the operation of the device is no longer reliable at this point.' WHERE TYPEN = 86;
UPDATE ALARMTYPE SET NAMESWE = 'Batteriet tomt', SHORTNAMESWE = 'BattTomt',
  TEXTSWE = 'Det laddningsbara batteriet är nästan tomt. Ladda det genast, enhetens funktion är inte längre tillförlitlig.' WHERE TYPEN = 86;
UPDATE ALARMTYPE SET NAMEFRA = 'Batterie vide', SHORTNAMEFRA = 'BattVide',
  TEXTFRA = 'La batterie rechargeable est presque vide. Rechargez-la immédiatement, le fonctionnement de l''appareil n''est plus fiable.' WHERE TYPEN = 86;
UPDATE ALARMTYPE SET NAMEGER = 'Akku leer', SHORTNAMEGER = 'AkkuLeer',
  TEXTGER = 'Der Akku ist fast leer. Laden Sie ihn sofort auf, da das Gerät nicht mehr zuverlässig arbeitet.' WHERE TYPEN = 86;
UPDATE ALARMTYPE SET NAMEDUT = 'Batterij leeg', SHORTNAMEDUT = 'BattLeeg',
  TEXTDUT = 'De oplaadbare batterij is bijna leeg. Laad hem meteen op, want het apparaat werkt niet meer betrouwbaar.' WHERE TYPEN = 86;
UPDATE ALARMTYPE SET NAMEHUN = 'Akku lemerült', SHORTNAMEHUN = 'AkkuLemer',
  TEXTHUN = 'Az akkumulátor majdnem lemerült. Töltse fel azonnal, mert a készülék már nem megbízható.' WHERE TYPEN = 86;
UPDATE ALARMTYPE SET NAMENOR = 'Batteriet tomt', SHORTNAMENOR = 'BattTomt',
  TEXTNOR = 'Det oppladbare batteriet er nesten tomt. Lad det straks, enheten fungerer ikke lenger pålitelig.' WHERE TYPEN = 86;
UPDATE ALARMTYPE SET NAMEPOR = 'Bateria vazia', SHORTNAMEPOR = 'BatVazia',
  TEXTPOR = 'A bateria recarregável está quase vazia. Carregue-a imediatamente, o aparelho já não funciona de forma fiável.' WHERE TYPEN = 86;
UPDATE ALARMTYPE SET NAMEEST = 'Aku tühi', SHORTNAMEEST = 'AkuTyhi',
  TEXTEST = 'Laetav aku on peaaegu tühi. Laadige aku kohe, sest seade ei tööta enam usaldusväärselt.' WHERE TYPEN = 86;
UPDATE ALARMTYPE SET NAMEITA = 'Batteria scarica', SHORTNAMEITA = 'BattScar',
  TEXTITA = 'La batteria ricaricabile è quasi scarica. Ricaricarla subito, il dispositivo non funziona più in modo affidabile.' WHERE TYPEN = 86;
UPDATE ALARMTYPE SET NAMESLO = 'Baterija prazna', SHORTNAMESLO = 'BatPrazna',
  TEXTSLO = 'Baterija je skoraj prazna. Takoj jo napolnite.' WHERE TYPEN = 86;
UPDATE ALARMTYPE SET NAMESPA = 'Batería vacía', SHORTNAMESPA = 'BatVacia',
  TEXTSPA = 'La batería recargable está casi vacía. Cárguela de inmediato, el dispositivo ya no funciona de forma fiable.' WHERE TYPEN = 86;

-- 87: rechargeable battery full (added by step 7210)
INSERT INTO ALARMTYPE (ORGID, TYPEN, NAME, TEXT, STATUS, ALARMGROUP, SPEECH, CORRIDOR, PUSHTONE, CORRSOUNDFILE, FWDSYSTEM,
  UNITTYPEMASK, MASK0, MASK1, MASK2, MASK3, MASK4, MASK5, MASK6, MASK7, MASK8, MASK9, MASK10, MASKS)
  VALUES (1, 87, 'Akku täynnä', 'Akun lataus on valmis ja akku on täynnä.', 3, 4, 0, 1, 3, 0, 0,
  1024, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0);
UPDATE ALARMTYPE SET NAMEFIN = 'Akku täynnä', SHORTNAMEFIN = 'AkkuTaysi',
  TEXTFIN = 'Akun lataus on valmis ja akku on täynnä.' WHERE TYPEN = 87;
UPDATE ALARMTYPE SET NAMEENG = 'Battery full', SHORTNAMEENG = 'BattFull',
  TEXTENG = 'This notification is triggered when the charging is complete and the battery is full.' WHERE TYPEN = 87;
UPDATE ALARMTYPE SET NAMESWE = 'Batteriet fullt', SHORTNAMESWE = 'BattFullt',
  TEXTSWE = 'Laddningen är klar och batteriet är fullt.' WHERE TYPEN = 87;
UPDATE ALARMTYPE SET NAMEFRA = 'Batterie pleine', SHORTNAMEFRA = 'BattPlein',
  TEXTFRA = 'La charge est terminée et la batterie est pleine.' WHERE TYPEN = 87;
UPDATE ALARMTYPE SET NAMEGER = 'Akku voll', SHORTNAMEGER = 'AkkuVoll',
  TEXTGER = 'Der Ladevorgang ist abgeschlossen und der Akku ist voll.' WHERE TYPEN = 87;
UPDATE ALARMTYPE SET NAMEDUT = 'Batterij vol', SHORTNAMEDUT = 'BattVol',
  TEXTDUT = 'Het opladen is klaar en de batterij is vol.' WHERE TYPEN = 87;
UPDATE ALARMTYPE SET NAMEHUN = 'Akku feltöltve', SHORTNAMEHUN = 'AkkuTele',
  TEXTHUN = 'A töltés kész, az akkumulátor tele van.' WHERE TYPEN = 87;
UPDATE ALARMTYPE SET NAMENOR = 'Batteriet fullt', SHORTNAMENOR = 'BattFullt',
  TEXTNOR = 'Ladingen er ferdig og batteriet er fullt.' WHERE TYPEN = 87;
UPDATE ALARMTYPE SET NAMEPOR = 'Bateria cheia', SHORTNAMEPOR = 'BatCheia',
  TEXTPOR = 'O carregamento terminou e a bateria está cheia.' WHERE TYPEN = 87;
UPDATE ALARMTYPE SET NAMEEST = 'Aku täis', SHORTNAMEEST = 'AkuTais',
  TEXTEST = 'Laadimine on lõppenud ja aku on täis.' WHERE TYPEN = 87;
UPDATE ALARMTYPE SET NAMEITA = 'Batteria carica', SHORTNAMEITA = 'BattCar',
  TEXTITA = 'La ricarica è completa e la batteria è carica.' WHERE TYPEN = 87;
UPDATE ALARMTYPE SET NAMESLO = 'Baterija polna', SHORTNAMESLO = 'BatPolna',
  TEXTSLO = 'Baterija je polna.' WHERE TYPEN = 87;
UPDATE ALARMTYPE SET NAMESPA = 'Batería llena', SHORTNAMESPA = 'BatLlena',
  TEXTSPA = 'La carga ha terminado y la batería está llena.' WHERE TYPEN = 87;

-- 88: battery charging (added by step 7210)
INSERT INTO ALARMTYPE (ORGID, TYPEN, NAME, TEXT, STATUS, ALARMGROUP, SPEECH, CORRIDOR, PUSHTONE, CORRSOUNDFILE, FWDSYSTEM,
  UNITTYPEMASK, MASK0, MASK1, MASK2, MASK3, MASK4, MASK5, MASK6, MASK7, MASK8, MASK9, MASK10, MASKS)
  VALUES (1, 88, 'Akku latauksessa', 'Akun lataus on alkanut.', 2, 4, 0, 1, 3, 0, 0,
  1024, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0);
UPDATE ALARMTYPE SET NAMEFIN = 'Akku latauksessa', SHORTNAMEFIN = 'Latautuu',
  TEXTFIN = 'Akun lataus on alkanut.' WHERE TYPEN = 88;
UPDATE ALARMTYPE SET NAMEENG = 'Battery charging', SHORTNAMEENG = 'Charging',
  TEXTENG = 'This notification is triggered when battery charging is started.' WHERE TYPEN = 88;
UPDATE ALARMTYPE SET NAMESWE = 'Batteriet laddas', SHORTNAMESWE = 'Laddas',
  TEXTSWE = 'Laddningen av batteriet har startat.' WHERE TYPEN = 88;
UPDATE ALARMTYPE SET NAMEFRA = 'Batterie en charge', SHORTNAMEFRA = 'EnCharge',
  TEXTFRA = 'La charge de la batterie a commencé.' WHERE TYPEN = 88;
UPDATE ALARMTYPE SET NAMEGER = 'Akku wird geladen', SHORTNAMEGER = 'Laedt',
  TEXTGER = 'Der Ladevorgang des Akkus hat begonnen.' WHERE TYPEN = 88;
UPDATE ALARMTYPE SET NAMEDUT = 'Batterij laadt op', SHORTNAMEDUT = 'Laadt',
  TEXTDUT = 'Het opladen van de batterij is begonnen.' WHERE TYPEN = 88;
UPDATE ALARMTYPE SET NAMEHUN = 'Akku töltése', SHORTNAMEHUN = 'Toltes',
  TEXTHUN = 'Elindult az akkumulátor töltése.' WHERE TYPEN = 88;
UPDATE ALARMTYPE SET NAMENOR = 'Batteriet lades', SHORTNAMENOR = 'Lades',
  TEXTNOR = 'Ladingen av batteriet har startet.' WHERE TYPEN = 88;
UPDATE ALARMTYPE SET NAMEPOR = 'Bateria a carregar', SHORTNAMEPOR = 'Carregar',
  TEXTPOR = 'O carregamento da bateria começou.' WHERE TYPEN = 88;
UPDATE ALARMTYPE SET NAMEEST = 'Aku laeb', SHORTNAMEEST = 'AkuLaeb',
  TEXTEST = 'Aku laadimine on alanud.' WHERE TYPEN = 88;
UPDATE ALARMTYPE SET NAMEITA = 'Batteria in carica', SHORTNAMEITA = 'InCarica',
  TEXTITA = 'La ricarica della batteria è iniziata.' WHERE TYPEN = 88;
UPDATE ALARMTYPE SET NAMESLO = 'Baterija se polni', SHORTNAMESLO = 'Polnjenje',
  TEXTSLO = 'Baterija se polni.' WHERE TYPEN = 88;
UPDATE ALARMTYPE SET NAMESPA = 'Batería cargando', SHORTNAMESPA = 'Cargando',
  TEXTSPA = 'La carga de la batería ha comenzado.' WHERE TYPEN = 88;

-- 89: backend connection lost (added by step 7420; no texts)
INSERT INTO ALARMTYPE (ORGID, TYPEN, NAME, TEXT, STATUS, ALARMGROUP, SPEECH, CORRIDOR, PUSHTONE, CORRSOUNDFILE, FWDSYSTEM,
  UNITTYPEMASK, MASK0, MASK1, MASK2, MASK3, MASK4, MASK5, MASK6, MASK7, MASK8, MASK9, MASK10, MASKS)
  VALUES (1, 89, 'Taustayhteys katkennut', '', 4, 4, 0, 1, 3, 0, 0,
  0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1);
UPDATE ALARMTYPE SET NAMEFIN = 'Taustayhteys katkennut', SHORTNAMEFIN = 'TausKatk',
  TEXTFIN = '' WHERE TYPEN = 89;
UPDATE ALARMTYPE SET NAMEENG = 'Backend connection lost', SHORTNAMEENG = 'BackLost',
  TEXTENG = '' WHERE TYPEN = 89;
UPDATE ALARMTYPE SET NAMESWE = 'Bakgrundsanslutning bruten', SHORTNAMESWE = 'BackLost',
  TEXTSWE = '' WHERE TYPEN = 89;
UPDATE ALARMTYPE SET NAMEFRA = 'Connexion au serveur perdue', SHORTNAMEFRA = 'BackLost',
  TEXTFRA = '' WHERE TYPEN = 89;
UPDATE ALARMTYPE SET NAMEGER = 'Backend-Verbindung getrennt', SHORTNAMEGER = 'BackLost',
  TEXTGER = '' WHERE TYPEN = 89;
UPDATE ALARMTYPE SET NAMEDUT = 'Backendverbinding verbroken', SHORTNAMEDUT = 'BackLost',
  TEXTDUT = '' WHERE TYPEN = 89;
UPDATE ALARMTYPE SET NAMEHUN = 'Háttérkapcsolat megszakadt', SHORTNAMEHUN = 'BackLost',
  TEXTHUN = '' WHERE TYPEN = 89;
UPDATE ALARMTYPE SET NAMENOR = 'Bakgrunnstilkobling brutt', SHORTNAMENOR = 'BackLost',
  TEXTNOR = '' WHERE TYPEN = 89;
UPDATE ALARMTYPE SET NAMEPOR = 'Ligação ao servidor perdida', SHORTNAMEPOR = 'BackLost',
  TEXTPOR = '' WHERE TYPEN = 89;
UPDATE ALARMTYPE SET NAMEEST = 'Taustaühendus katkenud', SHORTNAMEEST = 'BackLost',
  TEXTEST = '' WHERE TYPEN = 89;
UPDATE ALARMTYPE SET NAMEITA = 'Connessione backend persa', SHORTNAMEITA = 'BackLost',
  TEXTITA = '' WHERE TYPEN = 89;
UPDATE ALARMTYPE SET NAMESLO = 'Povezava z zaledjem prekinjena', SHORTNAMESLO = 'BackLost',
  TEXTSLO = '' WHERE TYPEN = 89;
UPDATE ALARMTYPE SET NAMESPA = 'Conexión con servidor perdida', SHORTNAMESPA = 'BackLost',
  TEXTSPA = '' WHERE TYPEN = 89;

-- 90: backend connection restored (added by step 7420; no texts)
INSERT INTO ALARMTYPE (ORGID, TYPEN, NAME, TEXT, STATUS, ALARMGROUP, SPEECH, CORRIDOR, PUSHTONE, CORRSOUNDFILE, FWDSYSTEM,
  UNITTYPEMASK, MASK0, MASK1, MASK2, MASK3, MASK4, MASK5, MASK6, MASK7, MASK8, MASK9, MASK10, MASKS)
  VALUES (1, 90, 'Taustayhteys palannut', '', 4, 4, 0, 1, 3, 0, 0,
  0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1);
UPDATE ALARMTYPE SET NAMEFIN = 'Taustayhteys palannut', SHORTNAMEFIN = 'TausTak',
  TEXTFIN = '' WHERE TYPEN = 90;
UPDATE ALARMTYPE SET NAMEENG = 'Backend connection restored', SHORTNAMEENG = 'BackRest',
  TEXTENG = '' WHERE TYPEN = 90;
UPDATE ALARMTYPE SET NAMESWE = 'Bakgrundsanslutning återställd', SHORTNAMESWE = 'BackRest',
  TEXTSWE = '' WHERE TYPEN = 90;
UPDATE ALARMTYPE SET NAMEFRA = 'Connexion au serveur rétablie', SHORTNAMEFRA = 'BackRest',
  TEXTFRA = '' WHERE TYPEN = 90;
UPDATE ALARMTYPE SET NAMEGER = 'Backend-Verbindung wieder da', SHORTNAMEGER = 'BackRest',
  TEXTGER = '' WHERE TYPEN = 90;
UPDATE ALARMTYPE SET NAMEDUT = 'Backendverbinding hersteld', SHORTNAMEDUT = 'BackRest',
  TEXTDUT = '' WHERE TYPEN = 90;
UPDATE ALARMTYPE SET NAMEHUN = 'Háttérkapcsolat helyreállt', SHORTNAMEHUN = 'BackRest',
  TEXTHUN = '' WHERE TYPEN = 90;
UPDATE ALARMTYPE SET NAMENOR = 'Bakgrunnstilkobling igjen', SHORTNAMENOR = 'BackRest',
  TEXTNOR = '' WHERE TYPEN = 90;
UPDATE ALARMTYPE SET NAMEPOR = 'Ligação ao servidor reposta', SHORTNAMEPOR = 'BackRest',
  TEXTPOR = '' WHERE TYPEN = 90;
UPDATE ALARMTYPE SET NAMEEST = 'Taustaühendus taastunud', SHORTNAMEEST = 'BackRest',
  TEXTEST = '' WHERE TYPEN = 90;
UPDATE ALARMTYPE SET NAMEITA = 'Backend di nuovo connesso', SHORTNAMEITA = 'BackRest',
  TEXTITA = '' WHERE TYPEN = 90;
UPDATE ALARMTYPE SET NAMESLO = 'Povezava z zaledjem obnovljena', SHORTNAMESLO = 'BackRest',
  TEXTSLO = '' WHERE TYPEN = 90;
UPDATE ALARMTYPE SET NAMESPA = 'Conexión servidor restablecida', SHORTNAMESPA = 'BackRest',
  TEXTSPA = '' WHERE TYPEN = 90;
