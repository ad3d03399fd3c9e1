<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="it">
    <context>
        <name>CountWindowWords</name>
        <message>
            <source>Conteggio</source>
            <translation>Count</translation>
        </message>
        <message>
            <source>Conteggio:</source>
            <translation>Count:</translation>
        </message>
        <message>
            <source>Personale</source>
            <translation>Custom</translation>
        </message>
        <message>
            <source>Valori (asso per primo):</source>
            <translation>Tags (ace first):</translation>
        </message>
        <message>
            <source>Conteggio non valido: %1</source>
            <translation>Not a count: %1</translation>
        </message>
        <message>
            <source>Capitale (unità):</source>
            <translation>Bankroll (units):</translation>
        </message>
        <message>
            <source>Effetti di rimozione, in % della puntata per carta tolta</source>
            <translation>Effects of removal, in % of the bet per card removed</translation>
        </message>
        <message>
            <source>Giro</source>
            <translation>Round</translation>
        </message>
        <message>
            <source>Assicurazione</source>
            <translation>Insurance</translation>
        </message>
        <message>
            <source>Correlazioni</source>
            <translation>Correlations</translation>
        </message>
        <message>
            <source>Puntata</source>
            <translation>Betting</translation>
        </message>
        <message>
            <source>Indici: la giocata del colore a conteggio vero uguale o maggiore</source>
            <translation>Indices: the colour's play at true counts at or above</translation>
        </message>
        <message>
            <source>Assicurazione a %1 e oltre (incrocio %2)</source>
            <translation>Insurance at %1 and above (crossing %2)</translation>
        </message>
        <message>
            <source>Assicurazione: nessun indice fra -10 e +10</source>
            <translation>Insurance: no index between -10 and +10</translation>
        </message>
        <message>
            <source>Gli indici vogliono un conteggio bilanciato.</source>
            <translation>Indices need a balanced count.</translation>
        </message>
        <message>
            <source>nessun indice fra -10 e +10</source>
            <translation>no index between -10 and +10</translation>
        </message>
        <message>
            <source>%1 a %2 e oltre, altrimenti %3 (incrocio %4)</source>
            <translation>%1 at %2 and above, else %3 (crossing %4)</translation>
        </message>
        <message>
            <source>EV a %1: %2 %3%, %4 %5%</source>
            <translation>EV at %1: %2 %3%, %4 %5%</translation>
        </message>
        <message>
            <source>contro</source>
            <translation>against</translation>
        </message>
        <message>
            <source>stai</source>
            <translation>stand</translation>
        </message>
        <message>
            <source>carta</source>
            <translation>hit</translation>
        </message>
        <message>
            <source>raddoppia</source>
            <translation>double</translation>
        </message>
        <message>
            <source>dividi</source>
            <translation>split</translation>
        </message>
        <message>
            <source>resa</source>
            <translation>surrender</translation>
        </message>
        <message>
            <source>assicurati</source>
            <translation>insure</translation>
        </message>
        <message>
            <source>niente assicurazione</source>
            <translation>no insurance</translation>
        </message>
    </context>
    <context>
        <name>CounterWords</name>
        <message>
            <source>Conteggio %1</source>
            <translation>Count %1</translation>
        </message>
        <message>
            <source>bilanciato</source>
            <translation>balanced</translation>
        </message>
        <message>
            <source>non bilanciato, conteggio iniziale %1</source>
            <translation>unbalanced, initial running count %1</translation>
        </message>
        <message>
            <source>Effetti della rimozione di una carta, in % della puntata:</source>
            <translation>Effects of removing one card, in % of the bet:</translation>
        </message>
        <message>
            <source>Giro</source>
            <translation>Round</translation>
        </message>
        <message>
            <source>Assic.</source>
            <translation>Insur.</translation>
        </message>
        <message>
            <source>Correlazione</source>
            <translation>Correlation</translation>
        </message>
        <message>
            <source>puntata</source>
            <translation>betting</translation>
        </message>
        <message>
            <source>assicurazione</source>
            <translation>insurance</translation>
        </message>
        <message>
            <source>Indici (la giocata indicata a conteggio vero uguale o maggiore):</source>
            <translation>Indices (the play shown at that true count or above):</translation>
        </message>
        <message>
            <source>Totali duri</source>
            <translation>Hard totals</translation>
        </message>
        <message>
            <source>Totali morbidi</source>
            <translation>Soft totals</translation>
        </message>
        <message>
            <source>Coppie</source>
            <translation>Pairs</translation>
        </message>
        <message>
            <source>Assicurazione a %1 e oltre</source>
            <translation>Insurance at %1 and above</translation>
        </message>
        <message>
            <source>Assicurazione: mai fra -10 e +10</source>
            <translation>Insurance: never between -10 and +10</translation>
        </message>
    </context>
    <context>
        <name>FileExport</name>
        <message>
            <source>Impossibile salvare %1: %2</source>
            <translation>Could not save %1: %2</translation>
        </message>
    </context>
    <context>
        <name>Form1</name>
        <message>
            <source>Clicca un simbolo o digita la carta: A, da 2 a 9, 0 o T per il 10, J, Q, K. Backspace toglie l'ultima carta, Canc annulla la mano.</source>
            <translation>Click a symbol or type the card: A, 2 to 9, 0 or T for the 10, J, Q, K. Backspace takes the last card back, Delete clears the hand.</translation>
        </message>
        <message>
            <source>Carte del banco</source>
            <translation>Dealer's cards</translation>
        </message>
        <message>
            <source>Carte del giocatore</source>
            <translation>Player's cards</translation>
        </message>
        <message>
            <source>Annulla carte del banco</source>
            <translation>Clear the dealer's cards</translation>
        </message>
        <message>
            <source>Annulla carte del giocatore</source>
            <translation>Clear the player's cards</translation>
        </message>
        <message>
            <source>Mano del banco</source>
            <translation>Dealer's hand</translation>
        </message>
        <message>
            <source>Mano del giocatore</source>
            <translation>Player's hand</translation>
        </message>
        <message>
            <source>Somma del banco</source>
            <translation>Dealer's total</translation>
        </message>
        <message>
            <source>Somma del giocatore</source>
            <translation>Player's total</translation>
        </message>
        <message>
            <source>Prima carta: come finisce il banco a seconda della sola prossima carta che pesca.
Tutte combinazioni: come finisce il banco su tutte le sequenze di carte che può ancora pescare.</source>
            <translation>First card: how the dealer's hand ends by the next card drawn alone.
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
            <translation>Dealer's chances</translation>
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
            <translation>Player's chances</translation>
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
        <message>
            <source>Sceglie le regole del tavolo e il numero di mazzi</source>
            <translation>Picks the table's rules and the number of decks</translation>
        </message>
        <message>
            <source>Regole...</source>
            <translation>Rules...</translation>
        </message>
        <message>
            <source>Sabot</source>
            <translation>Shoe</translation>
        </message>
        <message>
            <source>Carte uscite</source>
            <translation>Cards out</translation>
        </message>
        <message>
            <source>Fine mano</source>
            <translation>End round</translation>
        </message>
        <message>
            <source>Nuovo sabot</source>
            <translation>New shoe</translation>
        </message>
        <message>
            <source>Sabot in gioco</source>
            <translation>Shoe in play</translation>
        </message>
        <message>
            <source>Apre sotto la finestra le carte uscite nelle mani precedenti, il conteggio e il valore della prossima mano</source>
            <translation>Opens below the window the cards out in earlier rounds, the count and the next round's value</translation>
        </message>
        <message>
            <source>Le carte già uscite dal sabot nelle mani precedenti. Clicca un simbolo o digita la carta; Backspace rimette l'ultima, Canc annulla quelle di questa mano.</source>
            <translation>The cards already out of the shoe in earlier rounds. Click a symbol or type the card; Backspace puts the last one back, Delete cancels this round's.</translation>
        </message>
        <message>
            <source>Annulla carte uscite</source>
            <translation>Cancel cards out</translation>
        </message>
        <message>
            <source>Rimette nel sabot le carte uscite inserite dopo l'ultima mano</source>
            <translation>Puts back in the shoe the cards out entered since the last round</translation>
        </message>
        <message>
            <source>Le carte delle due mani escono dal sabot e il tavolo si libera per la mano seguente</source>
            <translation>Both hands' cards leave the shoe and the table clears for the next round</translation>
        </message>
        <message>
            <source>Rimette nel sabot tutte le carte uscite</source>
            <translation>Puts every card out back in the shoe</translation>
        </message>
        <message>
            <source>Carte uscite per valore</source>
            <translation>Cards out by value</translation>
        </message>
        <message>
            <source>Sabot e conteggio</source>
            <translation>Shoe and count</translation>
        </message>
        <message>
            <source>Apre la tabella della strategia e il vantaggio del banco per le regole e i mazzi del tavolo</source>
            <translation>Opens the strategy chart and the house edge for the table's rules and decks</translation>
        </message>
        <message>
            <source>Strategia...</source>
            <translation>Strategy...</translation>
        </message>
        <message>
            <source>%1 fuori dal sabot</source>
            <translation>%1 out of the shoe</translation>
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
            <source>Regole =&gt;</source>
            <translation>Rules =&gt;</translation>
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
            <translation>Dealer's chances</translation>
        </message>
        <message>
            <source>Probabilità Giocatore</source>
            <translation>Player's chances</translation>
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
        <message>
            <source>DIVIDI</source>
            <translation>SPLIT</translation>
        </message>
        <message>
            <source>RESA</source>
            <translation>SURRENDER</translation>
        </message>
        <message>
            <source>ASSICURAZIONE</source>
            <translation>INSURANCE</translation>
        </message>
        <message>
            <source>sì</source>
            <translation>yes</translation>
        </message>
        <message>
            <source>no</source>
            <translation>no</translation>
        </message>
        <message>
            <source>Analisi esatta, se il banco non ha blackjack</source>
            <translation>Exact analysis, if the dealer has no blackjack</translation>
        </message>
        <message>
            <source>Blackjack: niente da decidere</source>
            <translation>Blackjack: nothing to decide</translation>
        </message>
        <message>
            <source>Blackjack del banco: la mano è finita</source>
            <translation>Dealer's blackjack: the hand is over</translation>
        </message>
        <message>
            <source>S17</source>
            <translation>S17</translation>
        </message>
        <message>
            <source>H17</source>
            <translation>H17</translation>
        </message>
        <message>
            <source>1 mazzo</source>
            <translation>1 deck</translation>
        </message>
        <message>
            <source>%1 mazzi</source>
            <translation>%1 decks</translation>
        </message>
        <message>
            <source>blackjack %1</source>
            <translation>blackjack %1</translation>
        </message>
        <message>
            <source>senza carta coperta</source>
            <translation>no hole card</translation>
        </message>
        <message>
            <source>raddoppio 9-11</source>
            <translation>double on 9-11</translation>
        </message>
        <message>
            <source>raddoppio 10-11</source>
            <translation>double on 10-11</translation>
        </message>
        <message>
            <source>senza raddoppio</source>
            <translation>no doubling</translation>
        </message>
        <message>
            <source>raddoppio dopo divisione</source>
            <translation>double after split</translation>
        </message>
        <message>
            <source>divisione fino a %1 mani</source>
            <translation>split to %1 hands</translation>
        </message>
        <message>
            <source>senza divisione</source>
            <translation>no splitting</translation>
        </message>
        <message>
            <source>ridivisione degli assi</source>
            <translation>resplit aces</translation>
        </message>
        <message>
            <source>carte sugli assi divisi</source>
            <translation>hit split aces</translation>
        </message>
        <message>
            <source>resa</source>
            <translation>surrender</translation>
        </message>
        <message>
            <source>gioco dopo divisione %1</source>
            <translation>post-split play %1</translation>
        </message>
        <message>
            <source>ogni mano divisa gioca tenendo conto delle due carte della coppia</source>
            <translation>each split hand plays knowing both cards of the pair are gone</translation>
        </message>
        <message>
            <source>ogni mano divisa gioca come una mano iniziale, ignorando la divisione</source>
            <translation>each split hand plays as an initial hand, as if there had been no split</translation>
        </message>
        <message>
            <source>come CDP1, tenendo conto anche di quante mani ha formato la divisione</source>
            <translation>as CDP1, knowing also how many hands the split made</translation>
        </message>
        <message>
            <source>la prima mano gioca come CDP1, la seconda al meglio per le carte rimaste; una sola divisione</source>
            <translation>the first hand plays as CDP1, the second best for the cards left; one split only</translation>
        </message>
        <message>
            <source>metodo per mano: ogni mano è calcolata a sé, ignorando le carte delle altre</source>
            <translation>per-hand method: each hand worked out alone, the other hands' cards unknown</translation>
        </message>
        <message>
            <source>Uscite:</source>
            <translation>Out:</translation>
        </message>
        <message>
            <source>Sabot: %1 carte su %2</source>
            <translation>Shoe: %1 cards of %2</translation>
        </message>
        <message>
            <source>conteggio %1, vero %2</source>
            <translation>count %1, true %2</translation>
        </message>
        <message>
            <source>conteggio %1</source>
            <translation>count %1</translation>
        </message>
        <message>
            <source>prossima mano %1%</source>
            <translation>next round %1%</translation>
        </message>
        <message>
            <source>prossima mano: in calcolo...</source>
            <translation>next round: working it out...</translation>
        </message>
        <message>
            <source>(in calcolo)</source>
            <translation>(updating)</translation>
        </message>
        <message>
            <source>sabot quasi finito</source>
            <translation>shoe nearly finished</translation>
        </message>
        <message>
            <source>puntata Kelly %1</source>
            <translation>Kelly bet %1</translation>
        </message>
        <message>
            <source>punta il minimo</source>
            <translation>bet the minimum</translation>
        </message>
    </context>
    <context>
        <name>RulesPresets</name>
        <message>
            <source>Tavolo di Tavolix</source>
            <translation>Tavolix table</translation>
        </message>
        <message>
            <source>Las Vegas Strip</source>
            <translation>Las Vegas Strip</translation>
        </message>
        <message>
            <source>Atlantic City</source>
            <translation>Atlantic City</translation>
        </message>
        <message>
            <source>Europeo senza carta coperta</source>
            <translation>European, no hole card</translation>
        </message>
        <message>
            <source>Mazzo singolo H17</source>
            <translation>Single deck H17</translation>
        </message>
        <message>
            <source>Mazzo singolo 6:5</source>
            <translation>Single deck 6:5</translation>
        </message>
    </context>
    <context>
        <name>ShoeStore</name>
        <message>
            <source>Il sabot salvato in %1 non si può riprendere (%2): si parte da un sabot nuovo.</source>
            <translation>The shoe kept in %1 cannot be brought back (%2): a new shoe is in play.</translation>
        </message>
        <message>
            <source>Impossibile salvare il sabot in %1: al prossimo avvio non sarà ripreso.</source>
            <translation>The shoe cannot be kept in %1: it will not be brought back at the next start.</translation>
        </message>
    </context>
    <context>
        <name>ComparisonWords</name>
        <message>
            <source>#</source>
            <translation>#</translation>
        </message>
        <message>
            <source>SCORE</source>
            <translation>SCORE</translation>
        </message>
        <message>
            <source>N0</source>
            <translation>N0</translation>
        </message>
        <message>
            <source>vantaggio %</source>
            <translation>advantage %</translation>
        </message>
        <message>
            <source>+- ES %</source>
            <translation>+- SE %</translation>
        </message>
        <message>
            <source>vinc./100</source>
            <translation>win/100</translation>
        </message>
        <message>
            <source>DS/100</source>
            <translation>SD/100</translation>
        </message>
        <message>
            <source>vinc./ora</source>
            <translation>win/hour</translation>
        </message>
        <message>
            <source>DS/ora</source>
            <translation>SD/hour</translation>
        </message>
        <message>
            <source>rovina %</source>
            <translation>ruin %</translation>
        </message>
        <message>
            <source>gioco</source>
            <translation>game</translation>
        </message>
        <message>
            <source>errore</source>
            <translation>error</translation>
        </message>
        <message>
            <source>non giocato</source>
            <translation>not played</translation>
        </message>
    </context>
    <context>
        <name>SimulationReportWords</name>
        <message>
            <source>Regole %1, %2, %3</source>
            <translation>Rules %1, %2, %3</translation>
        </message>
        <message>
            <source>%1 mazzo</source>
            <translation>%1 deck</translation>
        </message>
        <message>
            <source>%1 mazzi</source>
            <translation>%1 decks</translation>
        </message>
        <message>
            <source>%1 posto</source>
            <translation>%1 seat</translation>
        </message>
        <message>
            <source>%1 posti</source>
            <translation>%1 seats</translation>
        </message>
        <message>
            <source>Si rimescola %1</source>
            <translation>Reshuffle %1</translation>
        </message>
        <message>
            <source>con un sabot nuovo a ogni giro</source>
            <translation>a fresh shoe every round</translation>
        </message>
        <message>
            <source>dopo il giro in cui è uscita la carta %1 di %2</source>
            <translation>after the round in which card %1 of %2 came out</translation>
        </message>
        <message>
            <source>Gioco %1, conteggio %2, indici %3, rampa %4</source>
            <translation>Play %1, count %2, indices %3, ramp %4</translation>
        </message>
        <message>
            <source>di base</source>
            <translation>basic</translation>
        </message>
        <message>
            <source>per composizione</source>
            <translation>composition</translation>
        </message>
        <message>
            <source>nessuno</source>
            <translation>none</translation>
        </message>
        <message>
            <source>i18</source>
            <translation>i18</translation>
        </message>
        <message>
            <source>tutti</source>
            <translation>all</translation>
        </message>
        <message>
            <source>fissa, 1 unità</source>
            <translation>flat, 1 unit</translation>
        </message>
        <message>
            <source>, fuori dal gioco sotto %1</source>
            <translation>, wong out below %1</translation>
        </message>
        <message>
            <source>Seme %1, %2, %3 s, %4 milioni di giri al secondo</source>
            <translation>Seed %1, %2, %3 s, %4 million rounds/s</translation>
        </message>
        <message>
            <source>%1 thread</source>
            <comment>one</comment>
            <translation>%1 thread</translation>
        </message>
        <message>
            <source>%1 thread</source>
            <comment>many</comment>
            <translation>%1 threads</translation>
        </message>
        <message>
            <source> (fermata: i blocchi finiti)</source>
            <translation> (stopped: the blocks done so far)</translation>
        </message>
        <message>
            <source>Ripartita su %1, blocchi giocati %2 (dal rank 0)</source>
            <translation>Spread over %1, blocks played %2 (rank 0 first)</translation>
        </message>
        <message>
            <source>%1 rank</source>
            <comment>one</comment>
            <translation>%1 rank</translation>
        </message>
        <message>
            <source>%1 rank</source>
            <comment>many</comment>
            <translation>%1 ranks</translation>
        </message>
        <message>
            <source>Giri puntati</source>
            <translation>Rounds bet</translation>
        </message>
        <message>
            <source>%1 di %2 distribuiti, %3 mani</source>
            <translation>%1 of %2 dealt, %3 hands</translation>
        </message>
        <message>
            <source>Vantaggio</source>
            <translation>Advantage</translation>
        </message>
        <message>
            <source>%1 % +- %2 % delle unità puntate</source>
            <translation>%1 % +- %2 % of the units bet</translation>
        </message>
        <message>
            <source>EV per giro</source>
            <translation>EV per round</translation>
        </message>
        <message>
            <source>%1 +- %2 unità</source>
            <translation>%1 +- %2 units</translation>
        </message>
        <message>
            <source>DS per giro</source>
            <translation>SD per round</translation>
        </message>
        <message>
            <source>%1 unità</source>
            <translation>%1 units</translation>
        </message>
        <message>
            <source>Vincita per 100</source>
            <translation>Win rate per 100</translation>
        </message>
        <message>
            <source>%1 unità, DS %2</source>
            <translation>%1 units, SD %2</translation>
        </message>
        <message>
            <source>%1 giri</source>
            <translation>%1 rounds</translation>
        </message>
        <message>
            <source>Rischio di rovina</source>
            <translation>Risk of ruin</translation>
        </message>
        <message>
            <source>%1 % con %2 unità</source>
            <translation>%1 % with %2 units</translation>
        </message>
        <message>
            <source>Rovina nel viaggio</source>
            <translation>Trip risk of ruin</translation>
        </message>
        <message>
            <source>%1 % in %2 giri</source>
            <translation>%1 % in %2 rounds</translation>
        </message>
        <message>
            <source>CV</source>
            <translation>TC</translation>
        </message>
        <message>
            <source>giri</source>
            <translation>rounds</translation>
        </message>
        <message>
            <source>quota</source>
            <translation>share</translation>
        </message>
        <message>
            <source>vantaggio</source>
            <translation>advantage</translation>
        </message>
        <message>
            <source>DS</source>
            <translation>SD</translation>
        </message>
        <message>
            <source>, contato da dietro il tavolo: entra a %1, esce sotto %2</source>
            <translation>, back-counted: in at %1, out below %2</translation>
        </message>
        <message>
            <source>Conteggio vero su %1, %2</source>
            <translation>True count by %1, %2</translation>
        </message>
        <message>
            <source>i mazzi restanti esatti</source>
            <translation>the exact decks left</translation>
        </message>
        <message>
            <source>i mazzi restanti al quarto di mazzo</source>
            <translation>the decks left to a quarter deck</translation>
        </message>
        <message>
            <source>i mazzi restanti al mezzo mazzo</source>
            <translation>the decks left to a half deck</translation>
        </message>
        <message>
            <source>i mazzi restanti al mazzo intero</source>
            <translation>the decks left to a whole deck</translation>
        </message>
        <message>
            <source>arrotondato per difetto</source>
            <translation>floored</translation>
        </message>
        <message>
            <source>troncato</source>
            <translation>truncated</translation>
        </message>
        <message>
            <source>arrotondato</source>
            <translation>rounded</translation>
        </message>
        <message>
            <source>Rampa scelta per uno scarto 1-%1 da una prova di %2 giri: scala %3, DI previsto %4</source>
            <translation>Ramp chosen for a spread of 1-%1 by a pilot of %2 rounds: scale %3, DI %4 predicted</translation>
        </message>
        <message>
            <source>Vincita per ora</source>
            <translation>Win rate per hour</translation>
        </message>
        <message>
            <source>%1 unità, DS %2 (%3 giri all'ora)</source>
            <translation>%1 units, SD %2 (%3 rounds an hour)</translation>
        </message>
    </context>
    <context>
        <name>StrategyWords</name>
        <message>
            <source>Strategia</source>
            <translation>Strategy</translation>
        </message>
        <message>
            <source>EV del giro: %1%</source>
            <translation>Round EV: %1%</translation>
        </message>
        <message>
            <source>Vantaggio del banco: %1%</source>
            <translation>House edge: %1%</translation>
        </message>
        <message>
            <source>Varianza: %1</source>
            <translation>Variance: %1</translation>
        </message>
        <message>
            <source>Stare sempre a N (senza raddoppio, divisione né resa):</source>
            <translation>Always standing at N (no double, split or surrender):</translation>
        </message>
        <message>
            <source>migliore: %1</source>
            <translation>best: %1</translation>
        </message>
        <message>
            <source>Duri</source>
            <translation>Hard</translation>
        </message>
        <message>
            <source>Morbidi</source>
            <translation>Soft</translation>
        </message>
        <message>
            <source>Coppie</source>
            <translation>Pairs</translation>
        </message>
        <message>
            <source>contro</source>
            <translation>against</translation>
        </message>
        <message>
            <source>Eccezioni (* nella tabella):</source>
            <translation>Exceptions (* in the chart):</translation>
        </message>
        <message>
            <source>S = stai</source>
            <translation>S = stand</translation>
        </message>
        <message>
            <source>H = carta</source>
            <translation>H = hit</translation>
        </message>
        <message>
            <source>D = raddoppia</source>
            <translation>D = double</translation>
        </message>
        <message>
            <source>P = dividi</source>
            <translation>P = split</translation>
        </message>
        <message>
            <source>R = resa</source>
            <translation>R = surrender</translation>
        </message>
        <message>
            <source>Dh, Ds, Rh, Rs: se non è permesso, carta (h) o stai (s)</source>
            <translation>Dh, Ds, Rh, Rs: if not allowed, hit (h) or stand (s)</translation>
        </message>
        <message>
            <source>EV per unità puntata, per mano:</source>
            <translation>EV per unit bet, by hand:</translation>
        </message>
        <message>
            <source>(se il banco non ha blackjack)</source>
            <translation>(if the dealer has no blackjack)</translation>
        </message>
        <message>
            <source>nessuna mano della riga dal sabot</source>
            <translation>the shoe deals no hand of this row</translation>
        </message>
    </context>
    <context>
        <name>TableSettings</name>
        <message>
            <source>Le impostazioni salvate in %1 non si possono leggere: valgono le regole del tavolo di Tavolix e un mazzo.</source>
            <translation>The settings saved in %1 cannot be read: the Tavolix table's rules and one deck apply.</translation>
        </message>
        <message>
            <source>Le regole salvate %1 non sono più valide: valgono le regole del tavolo di Tavolix.</source>
            <translation>The saved rules %1 are no longer valid: the Tavolix table's rules apply.</translation>
        </message>
        <message>
            <source>Il numero di mazzi salvato %1 non è valido: vale un mazzo.</source>
            <translation>The saved number of decks %1 is not valid: one deck applies.</translation>
        </message>
        <message>
            <source>Il conteggio salvato %1 non è valido: vale il Hi-Lo.</source>
            <translation>The saved count %1 is not valid: Hi-Lo applies.</translation>
        </message>
        <message>
            <source>Il capitale salvato %1 non è valido: la riga del sabot non propone puntate.</source>
            <translation>The saved bankroll %1 is not valid: the shoe line suggests no bet.</translation>
        </message>
        <message>
            <source>Impossibile salvare le regole e i mazzi in %1: al prossimo avvio non saranno ricordati.</source>
            <translation>Cannot save the rules and decks in %1: they will not be remembered at the next start.</translation>
        </message>
    </context>
    <context>
        <name>tavolix::ui::CountWindow</name>
        <message>
            <source>In calcolo... %p%</source>
            <translation>Working out... %p%</translation>
        </message>
        <message>
            <source>Avanzamento del calcolo</source>
            <translation>Progress of the computation</translation>
        </message>
        <message>
            <source>Esporta PNG...</source>
            <translation>Export PNG...</translation>
        </message>
        <message>
            <source>Salva la tabella degli indici come immagine PNG</source>
            <translation>Saves the index chart as a PNG picture</translation>
        </message>
        <message>
            <source>Esporta CSV...</source>
            <translation>Export CSV...</translation>
        </message>
        <message>
            <source>Salva ogni indice con le due giocate e i loro EV in un file CSV</source>
            <translation>Saves every index with its two plays and their EVs in a CSV file</translation>
        </message>
        <message>
            <source>Chiudi</source>
            <translation>Close</translation>
        </message>
        <message>
            <source>Annulla</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>Calcola</source>
            <translation>Compute</translation>
        </message>
        <message>
            <source>Calcolo annullato.</source>
            <translation>Computation cancelled.</translation>
        </message>
        <message>
            <source>Bordo spesso: la cella ha un indice. Il suggerimento di una cella dà le due giocate e i loro EV all'indice.</source>
            <translation>Thick frame: the cell has an index. A cell's tooltip gives both plays and their EVs at the index.</translation>
        </message>
        <message>
            <source>Esporta gli indici come PNG</source>
            <translation>Export the indices as PNG</translation>
        </message>
        <message>
            <source>indici.png</source>
            <translation>indices.png</translation>
        </message>
        <message>
            <source>Immagini PNG (*.png)</source>
            <translation>PNG pictures (*.png)</translation>
        </message>
        <message>
            <source>Esporta gli indici come CSV</source>
            <translation>Export the indices as CSV</translation>
        </message>
        <message>
            <source>indici.csv</source>
            <translation>indices.csv</translation>
        </message>
        <message>
            <source>File CSV (*.csv)</source>
            <translation>CSV files (*.csv)</translation>
        </message>
        <message>
            <source>«/…»: la cella ha altri indici, tutti nel suo suggerimento.</source>
            <translation>“/…”: the cell has more indices, all in its tooltip.</translation>
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
        <message>
            <source>il sabot non è valido</source>
            <translation>the shoe is not valid</translation>
        </message>
    </context>
    <context>
        <name>tavolix::ui::RuinChart</name>
        <message>
            <source>Rischio di rovina con %1 unità: %2</source>
            <translation>Risk of ruin with %1 units: %2</translation>
        </message>
        <message>
            <source>%1 unità: %2</source>
            <translation>%1 units: %2</translation>
        </message>
    </context>
    <context>
        <name>tavolix::ui::RulesDialog</name>
        <message>
            <source>Come si giocano le mani nate da una divisione: ne dipendono le cifre di ogni divisione</source>
            <translation>How the hands a split makes are played: every split's figures depend on it</translation>
        </message>
        <message>
            <source>Gioco dopo la divisione:</source>
            <translation>Post-split play:</translation>
        </message>
        <message>
            <source>Come prima della divisione (CDZ-)</source>
            <translation>As before the split (CDZ-)</translation>
        </message>
        <message>
            <source>Conosce la coppia (CDP1)</source>
            <translation>Knows the pair (CDP1)</translation>
        </message>
        <message>
            <source>Conosce coppia e mani (CDP)</source>
            <translation>Knows pair and hands (CDP)</translation>
        </message>
        <message>
            <source>Seconda mano ottimale (OPT)</source>
            <translation>Best second hand (OPT)</translation>
        </message>
        <message>
            <source>Ogni mano a sé (PERHAND)</source>
            <translation>Each hand alone (PERHAND)</translation>
        </message>
        <message>
            <source>OPT gioca due mani soltanto: si può scegliere solo con una divisione (fino a 2 mani).</source>
            <translation>OPT plays two hands only: it can be chosen with one split only (up to 2 hands).</translation>
        </message>
        <message>
            <source>OPT gioca due mani soltanto: con più di una divisione si torna a CDP1, il gioco della sua prima mano.</source>
            <translation>OPT plays two hands only: with more than one split the play goes back to CDP1, the play of its first hand.</translation>
        </message>
        <message>
            <source>Regole del tavolo</source>
            <translation>Table rules</translation>
        </message>
        <message>
            <source>Regole e mazzi di un tavolo comune, scelti tutti insieme</source>
            <translation>The rules and decks of a common table, picked all at once</translation>
        </message>
        <message>
            <source>Personalizzate</source>
            <translation>Custom</translation>
        </message>
        <message>
            <source>Come pesca il banco</source>
            <translation>How the dealer draws</translation>
        </message>
        <message>
            <source>Tavolo di Tavolix (TABLE)</source>
            <translation>Tavolix table (TABLE)</translation>
        </message>
        <message>
            <source>Sta su ogni 17 (S17)</source>
            <translation>Stands on every 17 (S17)</translation>
        </message>
        <message>
            <source>Pesca sul 17 soffice (H17)</source>
            <translation>Hits soft 17 (H17)</translation>
        </message>
        <message>
            <source>Se il banco guarda la carta coperta per il blackjack prima che il giocatore giochi</source>
            <translation>Whether the dealer checks the hole card for a blackjack before the player plays</translation>
        </message>
        <message>
            <source>Controllata per il blackjack (PEEK)</source>
            <translation>Checked for blackjack (PEEK)</translation>
        </message>
        <message>
            <source>Nessuna carta coperta (ENHC)</source>
            <translation>No hole card (ENHC)</translation>
        </message>
        <message>
            <source>Quanto paga il blackjack del giocatore</source>
            <translation>What the player's blackjack pays</translation>
        </message>
        <message>
            <source>Su quali due carte si può raddoppiare</source>
            <translation>Which two cards may be doubled</translation>
        </message>
        <message>
            <source>Su due carte qualsiasi (DOA)</source>
            <translation>Any two cards (DOA)</translation>
        </message>
        <message>
            <source>Solo su 9, 10 e 11 (D9)</source>
            <translation>On 9, 10 and 11 only (D9)</translation>
        </message>
        <message>
            <source>Solo su 10 e 11 (D10)</source>
            <translation>On 10 and 11 only (D10)</translation>
        </message>
        <message>
            <source>Mai (NODBL)</source>
            <translation>Never (NODBL)</translation>
        </message>
        <message>
            <source>Raddoppio dopo la divisione (DAS)</source>
            <translation>Double after split (DAS)</translation>
        </message>
        <message>
            <source>Se si può raddoppiare una mano nata da una divisione</source>
            <translation>Whether a hand made by a split may be doubled</translation>
        </message>
        <message>
            <source>Quante volte si può dividere una coppia</source>
            <translation>How many times a pair may be split</translation>
        </message>
        <message>
            <source>Fino a 4 mani (SPL3)</source>
            <translation>Up to 4 hands (SPL3)</translation>
        </message>
        <message>
            <source>Fino a 3 mani (SPL2)</source>
            <translation>Up to 3 hands (SPL2)</translation>
        </message>
        <message>
            <source>Fino a 2 mani (SPL1)</source>
            <translation>Up to 2 hands (SPL1)</translation>
        </message>
        <message>
            <source>Nessuna divisione (SPL0)</source>
            <translation>No splitting (SPL0)</translation>
        </message>
        <message>
            <source>Ridivisione degli assi (RSA)</source>
            <translation>Resplit aces (RSA)</translation>
        </message>
        <message>
            <source>Se un asso ricevuto su un asso diviso si può dividere di nuovo</source>
            <translation>Whether an ace dealt to a split ace may be split again</translation>
        </message>
        <message>
            <source>Carte sugli assi divisi (HSA)</source>
            <translation>Hit split aces (HSA)</translation>
        </message>
        <message>
            <source>Se gli assi divisi possono prendere più di una carta</source>
            <translation>Whether split aces may take more than one card</translation>
        </message>
        <message>
            <source>Resa (LS)</source>
            <translation>Surrender (LS)</translation>
        </message>
        <message>
            <source>Se si può lasciare la mano perdendo metà della puntata</source>
            <translation>Whether the hand may be given up for half the bet</translation>
        </message>
        <message>
            <source>Quanti mazzi da 52 carte compongono il sabot</source>
            <translation>How many 52-card decks make up the shoe</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Annulla</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>Banco</source>
            <translation>Dealer</translation>
        </message>
        <message>
            <source>Regola:</source>
            <translation>Rule:</translation>
        </message>
        <message>
            <source>Carta coperta:</source>
            <translation>Hole card:</translation>
        </message>
        <message>
            <source>Blackjack paga:</source>
            <translation>Blackjack pays:</translation>
        </message>
        <message>
            <source>Giocatore</source>
            <translation>Player</translation>
        </message>
        <message>
            <source>Raddoppio:</source>
            <translation>Double:</translation>
        </message>
        <message>
            <source>Divisione:</source>
            <translation>Split:</translation>
        </message>
        <message>
            <source>Preimpostazioni:</source>
            <translation>Presets:</translation>
        </message>
        <message>
            <source>Mazzi:</source>
            <translation>Decks:</translation>
        </message>
        <message>
            <source>Le carte sul tavolo richiedono almeno %1: il numero di mazzi non è cambiato.</source>
            <translation>The cards on the table need at least %1: the number of decks did not change.</translation>
        </message>
    </context>
    <context>
        <name>tavolix::ui::SimulationWindow</name>
        <message>
            <source>La simulazione gioca un tavolo da casinò: scegli S17 o H17 in «Regole...» della finestra principale</source>
            <translation>The simulation plays a casino table: choose S17 or H17 in the main window's "Rules..."</translation>
        </message>
        <message>
            <source>«%1» non è conteggio vero:unità</source>
            <translation>"%1" is not true count:units</translation>
        </message>
        <message>
            <source>«%1»: servono numeri interi</source>
            <translation>"%1": whole numbers are needed</translation>
        </message>
        <message>
            <source>«%1»: una puntata va da 1 a 1000 unità</source>
            <translation>"%1": a bet is 1 to 1000 units</translation>
        </message>
        <message>
            <source>«%1»: un conteggio vero va da -10 a 10</source>
            <translation>"%1": a true count is -10 to 10</translation>
        </message>
        <message>
            <source>«%1»: i conteggi veri devono crescere</source>
            <translation>"%1": the true counts must rise</translation>
        </message>
        <message>
            <source>Gli indici vogliono un conteggio bilanciato</source>
            <translation>Index plays need a balanced count</translation>
        </message>
        <message>
            <source>Simulazione</source>
            <translation>Simulation</translation>
        </message>
        <message>
            <source>Tavolo: %1</source>
            <translation>Table: %1</translation>
        </message>
        <message>
            <source>Gioco</source>
            <translation>Game</translation>
        </message>
        <message>
            <source>nessuno</source>
            <translation>none</translation>
        </message>
        <message>
            <source>i18, le diciotto giocate di Hi-Lo</source>
            <translation>i18, Hi-Lo's eighteen plays</translation>
        </message>
        <message>
            <source>tutti</source>
            <translation>all</translation>
        </message>
        <message>
            <source>sabot nuovo a ogni giro</source>
            <translation>a fresh shoe every round</translation>
        </message>
        <message>
            <source> milioni</source>
            <translation> million</translation>
        </message>
        <message>
            <source> unità</source>
            <translation> units</translation>
        </message>
        <message>
            <source> giri</source>
            <translation> rounds</translation>
        </message>
        <message>
            <source>nessun viaggio</source>
            <translation>no trip</translation>
        </message>
        <message>
            <source>Conteggio:</source>
            <translation>Count:</translation>
        </message>
        <message>
            <source>Indici:</source>
            <translation>Indices:</translation>
        </message>
        <message>
            <source>Penetrazione:</source>
            <translation>Penetration:</translation>
        </message>
        <message>
            <source>Posti al tavolo:</source>
            <translation>Seats:</translation>
        </message>
        <message>
            <source>&amp;Giri:</source>
            <translation>R&amp;ounds:</translation>
        </message>
        <message>
            <source>Bankroll:</source>
            <translation>Bankroll:</translation>
        </message>
        <message>
            <source>Viaggio:</source>
            <translation>Trip:</translation>
        </message>
        <message>
            <source>La parte del sabot distribuita prima di rimescolare; 0: un sabot nuovo a ogni giro</source>
            <translation>The share of the shoe dealt before the reshuffle; 0: a fresh shoe every round</translation>
        </message>
        <message>
            <source>Posti che giocano allo stesso modo; si misura il primo</source>
            <translation>Seats all playing alike; the first is measured</translation>
        </message>
        <message>
            <source>Il rischio di rovina entro questi giri; 0: nessuno</source>
            <translation>The risk of ruin within these rounds; 0: none</translation>
        </message>
        <message>
            <source>Puntate per conteggio vero</source>
            <translation>Bets by true count</translation>
        </message>
        <message>
            <source>Conteggio vero</source>
            <translation>True count</translation>
        </message>
        <message>
            <source>Unità</source>
            <translation>Units</translation>
        </message>
        <message>
            <source>Rampa delle puntate</source>
            <translation>Bet ramp</translation>
        </message>
        <message>
            <source>Da ogni conteggio vero in su si puntano quelle unità; sotto il primo, le sue</source>
            <translation>From each true count up, that many units are bet; below the first, its units</translation>
        </message>
        <message>
            <source>Aggiungi</source>
            <translation>Add</translation>
        </message>
        <message>
            <source>Togli</source>
            <translation>Remove</translation>
        </message>
        <message>
            <source>Senza righe: un'unità fissa</source>
            <translation>No rows: a flat unit</translation>
        </message>
        <message>
            <source>&amp;Avvia</source>
            <translation>&amp;Run</translation>
        </message>
        <message>
            <source>&amp;Ferma</source>
            <translation>&amp;Stop</translation>
        </message>
        <message>
            <source>Ferma la simulazione e tiene le cifre dei blocchi finiti</source>
            <translation>Stops the simulation and keeps the figures of the blocks done</translation>
        </message>
        <message>
            <source>Avanzamento della simulazione</source>
            <translation>Simulation progress</translation>
        </message>
        <message>
            <source>Resoconto della simulazione</source>
            <translation>Simulation report</translation>
        </message>
        <message>
            <source>Giri e vantaggio per conteggio vero</source>
            <translation>Rounds and advantage by true count</translation>
        </message>
        <message>
            <source>Rischio di rovina secondo il bankroll</source>
            <translation>Risk of ruin by bankroll</translation>
        </message>
        <message>
            <source>Chiudi</source>
            <translation>Close</translation>
        </message>
        <message>
            <source>Rampa: %1</source>
            <translation>Ramp: %1</translation>
        </message>
        <message>
            <source>Preparazione della strategia e degli indici...</source>
            <translation>Working out the strategy and the indices...</translation>
        </message>
        <message>
            <source>%1 giri di %2, %3 milioni al secondo</source>
            <translation>%1 rounds of %2, %3 million a second</translation>
        </message>
        <message>
            <source>Fermata: le cifre dei %1 giri dei blocchi finiti</source>
            <translation>Stopped: the figures of the %1 rounds of the blocks done</translation>
        </message>
        <message>
            <source>Impossibile simulare: %1</source>
            <translation>Cannot simulate: %1</translation>
        </message>
        <message>
            <source>Fermata prima che finisse un blocco: nessuna cifra</source>
            <translation>Stopped before a block was done: no figures</translation>
        </message>
        <message>
            <source>Interrotta</source>
            <translation>Interrupted</translation>
        </message>
        <message>
            <source> (in corso)</source>
            <translation> (running)</translation>
        </message>
        <message>
            <source>Cifre parziali, la simulazione è in corso: %1 giri di %2</source>
            <translation>Partial figures, the simulation is running: %1 of %2 rounds</translation>
        </message>
        <message>
            <source>Spread delle puntate</source>
            <translation>Betting spread</translation>
        </message>
        <message>
            <source>La puntata più alta sulla più bassa, per la rampa ottimale</source>
            <translation>The largest bet over the smallest, for the optimal ramp</translation>
        </message>
        <message>
            <source>&amp;Spread:</source>
            <translation>Sprea&amp;d:</translation>
        </message>
        <message>
            <source>&amp;Ottimale</source>
            <translation>O&amp;ptimal</translation>
        </message>
        <message>
            <source>Riempie la tabella con la rampa che dà il DI più alto per lo spread, da una prova a puntata fissa dello stesso gioco</source>
            <translation>Fills the table with the ramp of the highest DI for the spread, from a flat-bet pilot of the same game</translation>
        </message>
        <message>
            <source>Prova fermata: la rampa resta com'era</source>
            <translation>Pilot stopped: the ramp stays as it was</translation>
        </message>
        <message>
            <source>&amp;Confronta...</source>
            <translation>&amp;Compare...</translation>
        </message>
        <message>
            <source>Apre la lista dei giochi da confrontare, dove si aggiunge il gioco di questa finestra</source>
            <translation>Opens the list of games to compare, where this window's game is added</translation>
        </message>
        <message>
            <source>Prova a puntata fissa di %1 giri per la rampa ottimale 1-%2...</source>
            <translation>Flat-bet pilot of %1 rounds for the optimal 1-%2 ramp...</translation>
        </message>
        <message>
            <source>Impossibile scegliere la rampa: %1</source>
            <translation>Cannot choose the ramp: %1</translation>
        </message>
        <message>
            <source>Rampa ottimale per 1-%1 da una prova di %2 giri: scala %3, DI previsto %4</source>
            <translation>Optimal ramp for 1-%1 from a pilot of %2 rounds: scale %3, DI %4 predicted</translation>
        </message>
    </context>
    <context>
        <name>tavolix::ui::StrategyWindow</name>
        <message>
            <source>In calcolo... %p%</source>
            <translation>Working out... %p%</translation>
        </message>
        <message>
            <source>Avanzamento del calcolo</source>
            <translation>Progress of the computation</translation>
        </message>
        <message>
            <source>Legenda</source>
            <translation>Legend</translation>
        </message>
        <message>
            <source>*, bordo punteggiato: una mano della riga gioca diversamente</source>
            <translation>*, dotted frame: a hand of the row plays otherwise</translation>
        </message>
        <message>
            <source>Bordo spesso, grassetto: l'altro sabot gioca diversamente</source>
            <translation>Thick frame, bold: the other shoe plays otherwise</translation>
        </message>
        <message>
            <source>Il suggerimento di una cella dà l'EV di ogni giocata</source>
            <translation>A cell's tooltip gives the EV of every play</translation>
        </message>
        <message>
            <source>Mostra accanto il sabot in gioco</source>
            <translation>Show the shoe in play beside it</translation>
        </message>
        <message>
            <source>Affianca la strategia del sabot rimasto, senza le carte uscite e quelle sul tavolo, e segna le celle che cambiano</source>
            <translation>Shows beside it the strategy of the shoe left, without the cards out and those on the table, and marks the cells that change</translation>
        </message>
        <message>
            <source>Strategia del sabot completo</source>
            <translation>Strategy of the full shoe</translation>
        </message>
        <message>
            <source>Strategia del sabot in gioco</source>
            <translation>Strategy of the shoe in play</translation>
        </message>
        <message>
            <source>Esporta PNG...</source>
            <translation>Export PNG...</translation>
        </message>
        <message>
            <source>Salva la tabella come immagine PNG</source>
            <translation>Saves the chart as a PNG picture</translation>
        </message>
        <message>
            <source>Esporta CSV...</source>
            <translation>Export CSV...</translation>
        </message>
        <message>
            <source>Salva ogni mano iniziale con l'EV di ogni giocata in un file CSV</source>
            <translation>Saves every initial hand with the EV of every play in a CSV file</translation>
        </message>
        <message>
            <source>Chiudi</source>
            <translation>Close</translation>
        </message>
        <message>
            <source>Il sabot non basta per un giro.</source>
            <translation>The shoe is too thin for a round.</translation>
        </message>
        <message>
            <source>In calcolo...</source>
            <translation>Working out...</translation>
        </message>
        <message>
            <source>Sabot completo: %1 carte</source>
            <translation>Full shoe: %1 cards</translation>
        </message>
        <message>
            <source>Sabot in gioco: %1</source>
            <translation>Shoe in play: %1</translation>
        </message>
        <message>
            <source>Sabot in gioco: %1 carte su %2</source>
            <translation>Shoe in play: %1 cards of %2</translation>
        </message>
        <message>
            <source>Sabot completo: %1</source>
            <translation>Full shoe: %1</translation>
        </message>
        <message>
            <source>Esporta la tabella come PNG</source>
            <translation>Export the chart as PNG</translation>
        </message>
        <message>
            <source>strategia-sabot-in-gioco.png</source>
            <translation>strategy-shoe-in-play.png</translation>
        </message>
        <message>
            <source>strategia.png</source>
            <translation>strategy.png</translation>
        </message>
        <message>
            <source>Immagini PNG (*.png)</source>
            <translation>PNG pictures (*.png)</translation>
        </message>
        <message>
            <source>Esporta le mani come CSV</source>
            <translation>Export the hands as CSV</translation>
        </message>
        <message>
            <source>strategia-sabot-in-gioco.csv</source>
            <translation>strategy-shoe-in-play.csv</translation>
        </message>
        <message>
            <source>strategia.csv</source>
            <translation>strategy.csv</translation>
        </message>
        <message>
            <source>File CSV (*.csv)</source>
            <translation>CSV files (*.csv)</translation>
        </message>
        <message>
            <source>Impossibile salvare %1: %2</source>
            <translation>Could not save %1: %2</translation>
        </message>
        <message>
            <source>&amp;Conteggio...</source>
            <translation>&amp;Count...</translation>
        </message>
        <message>
            <source>Apre il conteggio: effetti di rimozione, correlazioni e indici</source>
            <translation>Opens the count: effects of removal, correlations and indices</translation>
        </message>
        <message>
            <source>&amp;Simulazione...</source>
            <translation>&amp;Simulation...</translation>
        </message>
        <message>
            <source>Gioca il tavolo giro dopo giro con un conteggio, i suoi indici e una rampa di puntate</source>
            <translation>Plays the table round after round with a count, its indices and a bet ramp</translation>
        </message>
    </context>
    <context>
        <name>tavolix::ui::TrueCountChart</name>
        <message>
            <source>TC %1: %2 dei giri, vantaggio %3; </source>
            <translation>TC %1: %2 of the rounds, advantage %3; </translation>
        </message>
        <message>
            <source>giri per conteggio vero</source>
            <translation>rounds by true count</translation>
        </message>
        <message>
            <source>vantaggio</source>
            <translation>advantage</translation>
        </message>
    </context>
    <context>
        <name>tavolix::ui::CompareWindow</name>
        <message>
            <source>Confronta</source>
            <translation>Compare</translation>
        </message>
        <message>
            <source>#</source>
            <translation>#</translation>
        </message>
        <message>
            <source>SCORE</source>
            <translation>SCORE</translation>
        </message>
        <message>
            <source>N0</source>
            <translation>N0</translation>
        </message>
        <message>
            <source>Vantaggio %</source>
            <translation>Advantage %</translation>
        </message>
        <message>
            <source>+- ES %</source>
            <translation>+- SE %</translation>
        </message>
        <message>
            <source>Vincita/100</source>
            <translation>Win/100</translation>
        </message>
        <message>
            <source>DS/100</source>
            <translation>SD/100</translation>
        </message>
        <message>
            <source>Vincita/ora</source>
            <translation>Win/hour</translation>
        </message>
        <message>
            <source>DS/ora</source>
            <translation>SD/hour</translation>
        </message>
        <message>
            <source>Rovina %</source>
            <translation>Ruin %</translation>
        </message>
        <message>
            <source>Gioco</source>
            <translation>Game</translation>
        </message>
        <message>
            <source>Errore</source>
            <translation>Error</translation>
        </message>
        <message>
            <source>non giocato</source>
            <translation>not played</translation>
        </message>
        <message>
            <source>%1 mazzo</source>
            <translation>%1 deck</translation>
        </message>
        <message>
            <source>%1 mazzi</source>
            <translation>%1 decks</translation>
        </message>
        <message>
            <source>%1 posti</source>
            <translation>%1 seats</translation>
        </message>
        <message>
            <source>gioco per composizione</source>
            <translation>composition play</translation>
        </message>
        <message>
            <source>indici %1</source>
            <translation>indices %1</translation>
        </message>
        <message>
            <source>nessuno</source>
            <translation>none</translation>
        </message>
        <message>
            <source>i18</source>
            <translation>i18</translation>
        </message>
        <message>
            <source>tutti</source>
            <translation>all</translation>
        </message>
        <message>
            <source>penetrazione %1 %</source>
            <translation>penetration %1 %</translation>
        </message>
        <message>
            <source>taglio alla carta %1</source>
            <translation>cut at card %1</translation>
        </message>
        <message>
            <source>sabot nuovo a ogni giro</source>
            <translation>a fresh shoe every round</translation>
        </message>
        <message>
            <source>rampa %1</source>
            <translation>ramp %1</translation>
        </message>
        <message>
            <source>puntata fissa</source>
            <translation>flat bet</translation>
        </message>
        <message>
            <source>&amp;Aggiungi il gioco della simulazione</source>
            <translation>&amp;Add the simulation's game</translation>
        </message>
        <message>
            <source>Aggiunge alla lista il gioco com'è ora nella finestra «Simulazione»</source>
            <translation>Adds to the list the game as it stands in the Simulation window</translation>
        </message>
        <message>
            <source>&amp;Togli</source>
            <translation>Re&amp;move</translation>
        </message>
        <message>
            <source>Toglie dalla lista il gioco scelto nella tabella</source>
            <translation>Takes the game chosen in the table off the list</translation>
        </message>
        <message>
            <source>Giochi confrontati, il miglior SCORE per primo</source>
            <translation>Games compared, the best SCORE first</translation>
        </message>
        <message>
            <source>A&amp;vvia</source>
            <translation>&amp;Run</translation>
        </message>
        <message>
            <source>Gioca uno dopo l'altro i giochi non ancora giocati</source>
            <translation>Plays the games not played yet, one after the other</translation>
        </message>
        <message>
            <source>&amp;Ferma</source>
            <translation>&amp;Stop</translation>
        </message>
        <message>
            <source>Ferma il confronto e tiene i giochi finiti e i blocchi finiti del gioco in corso</source>
            <translation>Stops the comparison and keeps the games done and the blocks done of the game in play</translation>
        </message>
        <message>
            <source>Avanzamento del confronto</source>
            <translation>Progress of the comparison</translation>
        </message>
        <message>
            <source>SCORE per gioco</source>
            <translation>SCORE by game</translation>
        </message>
        <message>
            <source>&amp;Esporta CSV...</source>
            <translation>&amp;Export CSV...</translation>
        </message>
        <message>
            <source>Salva la tabella del confronto in un file CSV</source>
            <translation>Saves the comparison's table in a CSV file</translation>
        </message>
        <message>
            <source>Chiudi</source>
            <translation>Close</translation>
        </message>
        <message>
            <source>Ogni gioco è quello della finestra «Simulazione» quando è stato aggiunto: le stesse cifre che avrebbe da solo, con lo stesso seme.</source>
            <translation>Each game is the Simulation window's as it stood when it was added: the same figures it has alone, with the same seed.</translation>
        </message>
        <message>
            <source>Il gioco della simulazione non si può aggiungere: %1</source>
            <translation>The simulation's game cannot be added: %1</translation>
        </message>
        <message>
            <source>Questo gioco è già nella lista</source>
            <translation>This game is already on the list</translation>
        </message>
        <message>
            <source>Preparazione della strategia e degli indici...</source>
            <translation>Preparing the strategy and the indices...</translation>
        </message>
        <message>
            <source>Gioco %1 di %2</source>
            <translation>Game %1 of %2</translation>
        </message>
        <message>
            <source>Fermato: giochi finiti %1 di %2</source>
            <translation>Stopped: games done, %1 of %2</translation>
        </message>
        <message>
            <source>Finito: giochi giocati %1</source>
            <translation>Done: games played, %1</translation>
        </message>
        <message>
            <source>(fermato: i blocchi finiti)</source>
            <translation>(stopped: the blocks done)</translation>
        </message>
        <message>
            <source>Esporta il confronto come CSV</source>
            <translation>Export the comparison as CSV</translation>
        </message>
        <message>
            <source>confronto.csv</source>
            <translation>comparison.csv</translation>
        </message>
        <message>
            <source>File CSV (*.csv)</source>
            <translation>CSV files (*.csv)</translation>
        </message>
    </context>
    <context>
        <name>tavolix::ui::ScoreChart</name>
        <message>
            <source>%1. SCORE %2: %3</source>
            <translation>%1. SCORE %2: %3</translation>
        </message>
        <message>
            <source>Nessun gioco giocato</source>
            <translation>No game played</translation>
        </message>
    </context>
</TS>
