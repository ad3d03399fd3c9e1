<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="it">
<context>
    <name>Form1</name>
    <message>
        <source>Clicca un simbolo o digita la carta: A, da 2 a 9, 0 o T per il 10, J, Q, K. Backspace toglie l&apos;ultima carta, Canc annulla la mano.</source>
        <translation>Click a symbol or type the card: A, 2 to 9, 0 or T for the 10, J, Q, K. Backspace takes the last card back, Delete clears the hand.</translation>
    </message>
    <message>
        <source>Carte del banco</source>
        <translation>Dealer&apos;s cards</translation>
    </message>
    <message>
        <source>Carte del giocatore</source>
        <translation>Player&apos;s cards</translation>
    </message>
    <message>
        <source>Annulla carte del banco</source>
        <translation>Clear the dealer&apos;s cards</translation>
    </message>
    <message>
        <source>Annulla carte del giocatore</source>
        <translation>Clear the player&apos;s cards</translation>
    </message>
    <message>
        <source>Mano del banco</source>
        <translation>Dealer&apos;s hand</translation>
    </message>
    <message>
        <source>Mano del giocatore</source>
        <translation>Player&apos;s hand</translation>
    </message>
    <message>
        <source>Somma del banco</source>
        <translation>Dealer&apos;s total</translation>
    </message>
    <message>
        <source>Somma del giocatore</source>
        <translation>Player&apos;s total</translation>
    </message>
    <message>
        <source>Prima carta: come finisce il banco a seconda della sola prossima carta che pesca.
Tutte combinazioni: come finisce il banco su tutte le sequenze di carte che può ancora pescare.</source>
        <translation>First card: how the dealer&apos;s hand ends by the next card drawn alone.
All combinations: how it ends over every sequence of cards the dealer can still draw.</translation>
    </message>
    <message>
        <source>Prima carta: come finisce la tua mano a seconda della sola carta che prendi ora.
Tutte combinazioni: come finisce su tutte le sequenze di carte che prendi finché resti sotto la soglia.</source>
        <translation>First card: how your hand ends by the one card you take now alone.
All combinations: how it ends over every sequence of cards you take while below the threshold.</translation>
    </message>
    <message>
        <source>Stare a</source>
        <translation>Stand at</translation>
    </message>
    <message>
        <source>Il totale al quale il giocatore smette di chiedere carta</source>
        <translation>The total at which the player stops drawing</translation>
    </message>
    <message>
        <source>Il giocatore chiede carta finché il suo totale resta sotto questa soglia.</source>
        <translation>The player draws while the total stays below this threshold.</translation>
    </message>
    <message>
        <source>Mazzi in gioco</source>
        <translation>Decks in play</translation>
    </message>
    <message>
        <source>Quanti mazzi da 52 carte compongono il sabot.</source>
        <translation>How many 52-card decks make up the shoe.</translation>
    </message>
    <message>
        <source>Sito di Tavolix</source>
        <translation>Tavolix web site</translation>
    </message>
    <message>
        <source>Manuale in rete</source>
        <translation>Manual on the web</translation>
    </message>
    <message>
        <source>Asso</source>
        <translation>Ace</translation>
    </message>
    <message>
        <source>Fante</source>
        <translation>Jack</translation>
    </message>
    <message>
        <source>Donna</source>
        <translation>Queen</translation>
    </message>
    <message>
        <source>Re</source>
        <translation>King</translation>
    </message>
    <message>
        <source>%1 al banco</source>
        <translation>%1 to the dealer</translation>
    </message>
    <message>
        <source>%1 al giocatore</source>
        <translation>%1 to the player</translation>
    </message>
    <message>
        <source>Tavolix %1
Probabilità del blackjack per un mazzo da 52 carte.

Licenza: GNU General Public License, versione 3 o successiva (GPL-3.0-or-later).

%2</source>
        <translation>Tavolix %1
Blackjack chances for one 52-card deck.

Licence: GNU General Public License, version 3 or later (GPL-3.0-or-later).

%2</translation>
    </message>
    <message>
        <source>Scegli le carte cliccando i relativi simboli</source>
        <translation>Pick the cards by clicking their symbols</translation>
    </message>
    <message>
        <source>BANCO</source>
        <translation>DEALER</translation>
    </message>
    <message>
        <source>Annulla carte</source>
        <translation>Clear cards</translation>
    </message>
    <message>
        <source>Somma =</source>
        <translation>Total =</translation>
    </message>
    <message>
        <source>Probabilità Banco</source>
        <translation>Dealer&apos;s chances</translation>
    </message>
    <message>
        <source>GIOCATORE</source>
        <translation>PLAYER</translation>
    </message>
    <message>
        <source>Stare a =&gt;</source>
        <translation>Stand =&gt;</translation>
    </message>
    <message>
        <source>Mazzi =&gt;</source>
        <translation>Decks =&gt;</translation>
    </message>
    <message>
        <source>Probabilità Giocatore</source>
        <translation>Player&apos;s chances</translation>
    </message>
    <message>
        <source>Banco prende carta se ha meno di 16 e si ferma se ha 17 o più. Un mazzo in gioco .</source>
        <translation>The dealer draws below 16 and stands on 17 or more. One deck in play.</translation>
    </message>
    <message>
        <source>Nuova partita</source>
        <translation>New game</translation>
    </message>
    <message>
        <source>Scaricato gratis da</source>
        <translation>Free download from</translation>
    </message>
    <message>
        <source>ELABORA</source>
        <translation>COMPUTE</translation>
    </message>
    <message>
        <source>Il manuale si trova qui</source>
        <translation>The manual is here</translation>
    </message>
    <message>
        <source>Tavolix - V 1.0, 10/2011</source>
        <translation>Tavolix - V 1.0, 10/2011</translation>
    </message>
</context>
<context>
    <name>ModelWords</name>
    <message>
        <source>Somma =</source>
        <translation>Total =</translation>
    </message>
    <message>
        <source>Prima carta</source>
        <translation>First card</translation>
    </message>
    <message>
        <source>Tutte combinazioni</source>
        <translation>All combinations</translation>
    </message>
    <message>
        <source>Vincita =</source>
        <translation>Wins    =</translation>
    </message>
    <message>
        <source>Parità  =</source>
        <translation>Push    =</translation>
    </message>
    <message>
        <source>Perdita =</source>
        <translation>Loses   =</translation>
    </message>
    <message>
        <source>Sballa  =</source>
        <translation>Busts   =</translation>
    </message>
    <message>
        <source>Sballa =</source>
        <translation>Bust   =</translation>
    </message>
    <message>
        <source>BANCO</source>
        <translation>DEALER</translation>
    </message>
    <message>
        <source>GIOCATORE</source>
        <translation>PLAYER</translation>
    </message>
    <message>
        <source>Stare a =&gt;</source>
        <translation>Stand =&gt;</translation>
    </message>
    <message>
        <source>Mazzi =&gt;</source>
        <translation>Decks =&gt;</translation>
    </message>
    <message>
        <source>Banco prende carta se ha meno di 16 e si ferma se ha 17 o più. Un mazzo in gioco .</source>
        <translation>The dealer draws below 16 and stands on 17 or more. One deck in play.</translation>
    </message>
    <message>
        <source>Banco prende carta se ha meno di 16 e si ferma se ha 17 o più. %1 mazzi in gioco .</source>
        <translation>The dealer draws below 16 and stands on 17 or more. %1 decks in play.</translation>
    </message>
    <message>
        <source>Probabilità Banco</source>
        <translation>Dealer&apos;s chances</translation>
    </message>
    <message>
        <source>Probabilità Giocatore</source>
        <translation>Player&apos;s chances</translation>
    </message>
    <message>
        <source>Analisi esatta</source>
        <translation>Exact analysis</translation>
    </message>
    <message>
        <source>Vince</source>
        <translation>Win</translation>
    </message>
    <message>
        <source>Pari</source>
        <translation>Push</translation>
    </message>
    <message>
        <source>Perde</source>
        <translation>Lose</translation>
    </message>
    <message>
        <source>EV</source>
        <translation>EV</translation>
    </message>
    <message>
        <source>migliore</source>
        <translation>best</translation>
    </message>
    <message>
        <source>soglia scelta</source>
        <translation>chosen threshold</translation>
    </message>
    <message>
        <source>Consiglio:</source>
        <translation>Advice:</translation>
    </message>
    <message>
        <source>STAI</source>
        <translation>STAND</translation>
    </message>
    <message>
        <source>CARTA</source>
        <translation>HIT</translation>
    </message>
    <message>
        <source>RADDOPPIA</source>
        <translation>DOUBLE</translation>
    </message>
</context>
<context>
    <name>tavolix::ui::Form1</name>
    <message>
        <source>Analisi &gt;&gt;</source>
        <translation>Analysis &gt;&gt;</translation>
    </message>
    <message>
        <source>&lt;&lt; Analisi</source>
        <translation>&lt;&lt; Analysis</translation>
    </message>
    <message>
        <source>Annulla ultima carta</source>
        <translation>Undo last card</translation>
    </message>
    <message>
        <source>Nuova partita</source>
        <translation>New game</translation>
    </message>
    <message>
        <source>Manuale</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Informazioni su Tavolix</source>
        <translation>About Tavolix</translation>
    </message>
    <message>
        <source>Esci</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Copia risultati</source>
        <translation>Copy results</translation>
    </message>
    <message>
        <source>Impossibile avviare il browser per aprire %1.</source>
        <translation>Cannot start the browser to open %1.</translation>
    </message>
</context>
</TS>
